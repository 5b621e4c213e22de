// Fixture of the adding machine's form tests: a started program with the
// adding machine open from the menu.
#pragma once

#include "support/sumlet_fixture.h"

#include "forms/testing/driver.h"
#include "sumlet/adding/insatsu_form.h"
#include "sumlet/adding/sumlet_form.h"
#include "sumlet/adding/tape.h"

#include <QStringList>

namespace sumlet::testing {

class AddingTest : public SumletTest {
protected:
    // Starts the program and opens the adding machine with "加算機".
    SUMLET& open()
    {
        MENU& m = start();
        forms::testing::click(m.Command8);
        SUMLET* f = prog().SUMLET_.get();
        if (!f)
            throw std::logic_error("the adding machine did not open");
        return *f;
    }
    SUMLET& form() { return *prog().SUMLET_.get(); }
    AddingTape& tape() { return shared().tape; }

    // Types a line into the entry line and confirms it with Enter.
    void enter(const QString& line) { forms::testing::typeText(form().Text1, line + QStringLiteral("\r")); }

    // Column c of the grid, rows 1..n.
    QStringList column(int c, int n)
    {
        QStringList out;
        for (int r = 1; r <= n; ++r)
            out << form().G.TextMatrix(r, c);
        return out;
    }

    // What the screen shows of the tape: labels, count and total cells.
    struct Screen {
        QString label1, label2, label5, label4, label6, count, total, text1;
        bool operator==(const Screen&) const = default;
    };
    Screen screen()
    {
        SUMLET& f = form();
        return {f.Label1.Caption(), f.Label2.Caption(), f.Label5.Caption(), f.Label4.Caption(),
                f.Label6.Caption(), f.G.TextMatrix(1, 2),  f.G.TextMatrix(2, 2),  f.Text1.Text()};
    }
};

} // namespace sumlet::testing
