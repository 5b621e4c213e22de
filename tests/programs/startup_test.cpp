// Starting a program builds its first form and nothing of the others: the
// first window shows about as fast as a bare one.
#include "support/sumlet_fixture.h"

#include "quorvel/keypad/quorvel_form.h"
#include "quorvel/program.h"

#include <QApplication>
#include <QMenu>
#include <set>
#include <string>
#include <vector>

namespace {

// Widgets made since `before` that belong neither to `form` nor to the
// drop-downs of its menus.
std::vector<std::string> builtBeside(const forms::Form& form, const QWidgetList& before)
{
    std::set<const QWidget*> known(before.begin(), before.end());
    const auto add = [&](const QWidget* w) {
        known.insert(w);
        for (const QWidget* c : w->findChildren<QWidget*>()) known.insert(c);
    };
    add(&form);
    for (const forms::Menu* m : form.menus())
        if (m->action() && m->action()->menu()) add(m->action()->menu());
    std::vector<std::string> out;
    for (const QWidget* w : QApplication::allWidgets())
        if (!known.count(w)) out.push_back(std::string(w->metaObject()->className()) + " " + w->objectName().toStdString());
    return out;
}

using SumletStart = sumlet::testing::SumletTest;

TEST_F(SumletStart, BuildsTheMenuOnly)
{
    program.reset();
    const QWidgetList before = QApplication::allWidgets();
    program = std::make_unique<sumlet::Program>(rec, dir.path(), dir.filePath("config"));
    const sumlet::MENU& m = start();
    EXPECT_EQ(builtBeside(m, before), std::vector<std::string>());
    const auto loaded = prog().forms().loadedForms();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0], &m);
}

using QuorvelStart = forms::testing::FormTest;

TEST_F(QuorvelStart, BuildsTheKeypadOnly)
{
    const QWidgetList before = QApplication::allWidgets();
    quorvel::Program p(rec, dir.path());
    p.QUORVEL_.Show();
    EXPECT_EQ(builtBeside(*p.QUORVEL_, before), std::vector<std::string>());
    const auto loaded = p.forms().loadedForms();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0], p.QUORVEL_.get());
}

} // namespace
