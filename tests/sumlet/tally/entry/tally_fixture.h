// Fixture of the tally form's tests: a started program with the tally form
// opened from the menu with "集計器".
#pragma once

#include "support/sumlet_fixture.h"

#include "forms/testing/driver.h"
#include "sumlet/tally/shukei_form.h"

#include <QStringList>

namespace sumlet::testing {

class TallyTest : public SumletTest {
protected:
    SHUKEI& open()
    {
        MENU& m = start();
        forms::testing::click(m.Command6);
        SHUKEI* f = prog().SHUKEI_.get();
        if (!f)
            throw std::logic_error("the tally form did not open");
        return *f;
    }
    SHUKEI& form() { return *prog().SHUKEI_.get(); }
    TallyData& tally() { return shared().tally; }
    QString focus() { return forms::testing::focusName(form()); }

    // Names of the buttons among these that are enabled.
    QStringList enabled(std::initializer_list<forms::ControlCore*> controls)
    {
        QStringList out;
        for (forms::ControlCore* c : controls)
            if (c->widget()->isEnabled())
                out << c->Name();
        return out;
    }
};

} // namespace sumlet::testing
