// Closing months with "入力確定" and stepping the entry grid between months;
// activation in return mode.
#include "tally_fixture.h"

#include "support/accessible_names.h"

#include <functional>

namespace sumlet::testing {
namespace {

using forms::testing::click;
using forms::testing::clickCell;
using forms::testing::typeText;

// Five rows typed, then an action; the month is closed by "入力確定" or by
// "*" on the line's row. "*" empties the rows from the line down, "入力確定"
// nothing; neither moves the line or recomputes the totals.
TEST_F(TallyTest, ClosingAMonthStoresItsRowsAndSetsTheButtons)
{
    struct Case {
        const char* what;
        const char* end;   // the period runs from 4 to end
        std::function<void(TallyTest&, SHUKEI&)> before;
        bool star;
        QStringList stored;
        QStringList on;    // which of Command1, Command2, Command3 are enabled
        const char* focus;
        int beeps;
    };
    const QStringList five{"1|1|100", "2|1|200", "3|1|300", "4|1|400", "5|1|500"};
    const QStringList c12{"Command1", "Command2"};
    auto none = [](TallyTest&, SHUKEI&) {};
    const Case cases[] = {
        {"confirm: amount column current", "6", none, false, five, c12, "Command2", 0},
        {"confirm: a key typed on row 6", "6", [](TallyTest&, SHUKEI& f) { typeText(f.Text3, "9\r"); }, false,
         five + QStringList{"9|0|0"}, c12, "Command2", 0},
        {"confirm: a key on row 8 after empty rows 6 and 7", "6",
         [](TallyTest&, SHUKEI& f) {
             clickCell(f.G1, 8, 1);
             typeText(f.Text3, "8\r");
         },
         false, five + QStringList{"0|0|0", "0|0|0", "8|0|0"}, c12, "Command2", 0},
        {"confirm: amount column current after a change in row 3", "6",
         [](TallyTest&, SHUKEI& f) {
             clickCell(f.G1, 3, 2);
             typeText(f.Text4, "2.5\r");
             typeText(f.Text5, "-1500.5\r");
         },
         false, {"1|1|100", "2|1|200", "3|3|-1501", "4|1|400", "5|1|500"}, c12, "Command2", 0},
        {"confirm: row numbers current, any of the columns 1 to 3", "6",
         [](TallyTest&, SHUKEI& f) {
             clickCell(f.G1, 7, 3);
             typeText(f.Text5, "70\r");
             f.G1.setCol(0);
         },
         false, five + QStringList{"0|0|0", "0|0|70"}, c12, "Command2", 0},
        {"* on row 6 over two filled rows", "6",
         [](TallyTest& t, SHUKEI& f) {
             t.rows(2, 6);
             clickCell(f.G1, 6, 1);
         },
         true, five, c12, "Command2", 0},
        {"* on row 1", "6", [](TallyTest&, SHUKEI& f) { clickCell(f.G1, 1, 1); }, true, {}, c12, "Command2", 0},
        {"* in a one-month period: a beep", "4", none, true, five, {"Command1"}, "Text3", 1},
        {"confirm in a one-month period", "4", none, false, five, {"Command1"}, "Text3", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SHUKEI& f = openForEntry("4", c.end);
        rows(5);
        c.before(*this, f);
        const Line at = line();
        QStringList grid;
        for (int r = 1; r <= 8; ++r)
            grid << (c.star && r >= at.row ? QString("||") : cells(r));
        const QString totals = f.Label24.Caption() + "/" + f.Label25.Caption();
        const int beeps = rec.beeps();
        if (c.star)
            star();
        else
            click(f.Command11);
        EXPECT_EQ(stored(1), c.stored);
        EXPECT_EQ(tally().MonthRows[1].num(), c.stored.size());
        EXPECT_EQ(tally().InKey[1].upper(), c.stored.size());
        for (int r = 1; r <= 8; ++r)
            EXPECT_EQ(cells(r), grid[r - 1]) << "row " << r;
        EXPECT_EQ(f.Text3.Text(), "");
        EXPECT_EQ(line(), at);
        EXPECT_EQ(f.Label24.Caption() + "/" + f.Label25.Caption(), totals);
        EXPECT_EQ(enabled({&f.Command1, &f.Command2, &f.Command3}), c.on);
        EXPECT_EQ(focus(), c.focus);
        EXPECT_EQ(rec.beeps(), beeps + c.beeps);
        click(f.Command5);   // back to the menu for the next case
    }
}

// Six months, 10 to 3, entered and stepped through in both directions, and
// back from the result list.
TEST_F(TallyTest, SteppingAcrossSixMonths)
{
    struct Step {
        const char* what;
        std::function<void(TallyTest&, SHUKEI&)> act;
        int month;
        const char* label20;
        const char* row1;
        const char* label24;
        QStringList on;   // which of Command1, Command2, Command3 are enabled
        int beeps;        // beeps so far
    };
    auto next = [](TallyTest&, SHUKEI& f) { click(f.Command2); };
    auto back = [](TallyTest&, SHUKEI& f) { click(f.Command3); };
    auto confirm = [](TallyTest&, SHUKEI& f) { click(f.Command11); };
    // Compute, "一覧表", then "戻る" on the list: the form comes back in return mode.
    auto viaList = [this](TallyTest&, SHUKEI& f) {
        click(f.Command1);
        rec.onNextModal("ICHIRAN", [](forms::Form& list) {
            click(*static_cast<forms::CommandButton*>(list.findControl(QStringLiteral("Command1"))));
        });
        click(f.Command10);
        EXPECT_EQ(rec.modalsRun(), QStringList{"ICHIRAN"});
        EXPECT_EQ(shared().ReturnFlag.num(), 0);
        EXPECT_EQ(f.Combo1.ListCount(), 4);
        EXPECT_EQ(focus(), "Text3");
    };
    const QStringList c12{"Command1", "Command2"}, c13{"Command1", "Command3"}, c123{"Command1", "Command2", "Command3"};
    const Step steps[] = {
        {"month 1: 3 rows and *", [](TallyTest& t, SHUKEI&) { t.rows(3); t.star(); }, 1, "10 ", "1 |1 |100 ", "3 ", c12, 0},
        {"to month 2, empty", next, 2, "11 ", "||", "", c13, 1},
        {"month 2: 2 rows and *", [](TallyTest& t, SHUKEI&) { t.rows(2, 10); t.star(); }, 2, "11 ", "10 |1 |1,000 ", "2 ", c123, 1},
        {"to month 3, empty", next, 3, "12 ", "||", "", c13, 2},
        {"back to month 2, rows typed in month 3 not closed",
         [](TallyTest& t, SHUKEI& f) { t.rows(2, 30); click(f.Command3); }, 2, "11 ", "10 |1 |1,000 ", "2 ", c13, 2},
        {"back to month 1", back, 1, "10 ", "1 |1 |100 ", "3 ", c12, 2},
        {"forward to month 2", next, 2, "11 ", "10 |1 |1,000 ", "2 ", c123, 2},
        {"forward to month 3, empty", next, 3, "12 ", "||", "", c13, 3},
        {"month 3 closed empty", confirm, 3, "12 ", "||", "", c123, 3},
        {"to month 4, empty", next, 4, "1 ", "||", "", c13, 4},
        {"month 4: 1 row", [](TallyTest& t, SHUKEI& f) { t.rows(1, 40); click(f.Command11); }, 4, "1 ", "40 |1 |4,000 ",
         "1 ", c123, 4},
        {"to month 5, empty", next, 5, "2 ", "||", "", c13, 5},
        {"month 5: 2 rows and *", [](TallyTest& t, SHUKEI&) { t.rows(2, 50); t.star(); }, 5, "2 ", "50 |1 |5,000 ", "2 ", c123, 5},
        {"to month 6, empty", next, 6, "3 ", "||", "", c13, 6},
        {"month 6: last month closed", [](TallyTest& t, SHUKEI&) { t.rows(1, 60); t.star(); }, 6, "3 ", "60 |1 |6,000 ", "1 ", c13, 7},
        {"back to month 5", back, 5, "2 ", "50 |1 |5,000 ", "2 ", c123, 7},
        {"back to month 4", back, 4, "1 ", "40 |1 |4,000 ", "1 ", c123, 7},
        {"back from 4: month 3 has no rows", back, 4, "1 ", "40 |1 |4,000 ", "1 ", c123, 7},
        {"forward to month 5", next, 5, "2 ", "50 |1 |5,000 ", "2 ", c123, 7},
        {"forward to month 6, the last", next, 6, "3 ", "60 |1 |6,000 ", "1 ", c13, 7},
        {"back from the result list to month 1 (the compute beeps)", viaList, 1, "10 ", "1 |1 |100 ", "3 ", c12, 8},
        {"forward to month 2", next, 2, "11 ", "10 |1 |1,000 ", "2 ", c123, 8},
        {"forward over the empty month 3 to month 4", next, 4, "1 ", "40 |1 |4,000 ", "1 ", c123, 8},
        {"forward to month 5", next, 5, "2 ", "50 |1 |5,000 ", "2 ", c123, 8},
        {"forward to month 6 again", next, 6, "3 ", "60 |1 |6,000 ", "1 ", c13, 8},
    };
    SHUKEI& f = openForEntry("10", "3");
    ASSERT_EQ(tally().MonthCount.num(), 6);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act(*this, f);
        EXPECT_EQ(tally().CurMonth.num(), s.month);
        EXPECT_EQ(f.Label20.Caption(), s.label20);
        EXPECT_EQ(cells(1), s.row1);
        EXPECT_EQ(f.Label24.Caption(), s.label24);
        EXPECT_EQ(enabled({&f.Command1, &f.Command2, &f.Command3}), s.on);
        EXPECT_EQ(rec.beeps(), s.beeps);
        // The line stands on row 1 after every step that refills or empties the grid.
        const std::string what = s.what;
        if (what.starts_with("to ") || what.starts_with("back") || what.starts_with("forward")) {
            EXPECT_EQ(line(), (Line{1, 1, 900, 1}));
        }
    }
    EXPECT_EQ(focus(), "Command3");
    const QStringList months[] = {stored(1), stored(2), stored(3), stored(4), stored(5), stored(6)};
    EXPECT_EQ(months[0], (QStringList{"1|1|100", "2|1|200", "3|1|300"}));
    EXPECT_EQ(months[1], (QStringList{"10|1|1000", "11|1|1100"}));
    EXPECT_EQ(months[2], QStringList{});
    EXPECT_EQ(months[3], QStringList{"40|1|4000"});
    EXPECT_EQ(months[4], (QStringList{"50|1|5000", "51|1|5100"}));
    EXPECT_EQ(months[5], QStringList{"60|1|6000"});
    // The labels and grid say what they show now.
    EXPECT_EQ(forms::testing::accessibleFaults(f), forms::testing::NoFaults);
}

TEST_F(TallyTest, ActivationsWithoutTheFlagKeepTheDataAndStartOver)
{
    SHUKEI& f = openForEntry("4", "6");
    typeText(f.Combo1, "伝票NO\r");
    rows(2);
    star();
    prog().dispatch([&] { f.Form_Activate(); });
    EXPECT_EQ(stored(1), (QStringList{"1|1|100", "2|1|200"}));
    EXPECT_EQ(tally().MonthCount.num(), 3);
    EXPECT_EQ(tally().KeyName.text(), "支払回数");
    EXPECT_EQ(focus(), "Text1");
    EXPECT_EQ(enabled({&f.Command1, &f.Command2, &f.Command3, &f.Command6, &f.G1, &f.Text3}), QStringList{});

    // Return mode before "ﾃﾞｰﾀ入力": the key box cannot take the focus, and
    // month 1 without rows leaves month 2 current, under the chosen key.
    click(f.Command4);
    forms::testing::chooseItem(f.Combo1, 2);
    shared().ReturnFlag = 1;
    prog().dispatch([&] { f.Form_Activate(); });
    EXPECT_EQ(tally().CurMonth.num(), 2);
    EXPECT_EQ(f.G1.TextMatrix(0, 1), "店番号");
    EXPECT_EQ(shared().ReturnFlag.num(), 0);
    EXPECT_EQ(focus(), "Command6");   // where the key choice put it
    EXPECT_TRUE(rec.unhandledErrors().isEmpty());
}

} // namespace
} // namespace sumlet::testing
