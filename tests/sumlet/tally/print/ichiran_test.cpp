// ICHIRAN: the key-by-month list, its copy, its buttons and its close box.
#include "tally_print_fixture.h"

#include <QTest>

namespace sumlet::testing {
namespace {

using forms::testing::click;
using forms::testing::clickCell;

class IchiranTest : public TallyPrintTest {
protected:
    // Shows the list modal over the start form, as the tally form does.
    void showList(const std::function<void(ICHIRAN&)>& during)
    {
        if (!prog().MENU_.Loaded())
            start();
        rec.onNextModal("ICHIRAN", [&](forms::Form& f) { during(static_cast<ICHIRAN&>(f)); });
        prog().ICHIRAN_.ShowModal();
    }
    static QStringList rowTexts(const forms::FlexGrid& g)
    {
        QStringList rows;
        for (int r = 0; r < g.Rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < g.Cols(); ++c)
                cells << g.TextMatrix(r, c);
            rows << cells.join('\t');
        }
        return rows;
    }
};

const QStringList kTwoMonthRows{
    "NO \t担当者NO\t件数\t4月金額\t件数\t5月金額\t件数\t合計金額",
    "1 \t10 \t3 \t2,000 \t1 \t100 \t4 \t2,100 ",
    "2 \t20 \t\t\t3 \t1,234,567 \t3 \t1,234,567 ",
    "3 \t30 \t1 \t2,000 \t\t\t1 \t2,000 ",
    "\t合　計　\t4 \t4,000 \t4 \t1,234,667 \t8 \t1,238,667 ",
};

TEST_F(IchiranTest, TwoMonthTableItsSelectionAndItsCopy)
{
    computeTwoMonths();
    shared().ReturnFlag = 0;
    showList([&](ICHIRAN& f) {
        EXPECT_EQ(f.Caption(), " 集計結果一覧表");
        EXPECT_EQ(f.G4.Height(), 3495);
        EXPECT_EQ(rowTexts(f.G4), kTwoMonthRows);
        EXPECT_EQ(forms::testing::focusName(f), "Command1");   // "戻る" first in tab order

        // A cell click selects its whole row and shows the selection; a
        // click on the background hides it; only the right button pops up.
        clickCell(f.G4, 2, 3);
        EXPECT_EQ(f.G4.HighLight(), 2);
        EXPECT_EQ(f.G4.Clip(), kTwoMonthRows[2]);
        clickCell(f.G4, 1, 1, Qt::MiddleButton);
        QTest::mouseClick(f.client(), Qt::LeftButton, {}, QPoint(10, f.client()->height() - 10));
        EXPECT_EQ(f.G4.HighLight(), 0);
        EXPECT_TRUE(rec.popups().isEmpty());

        // The pop-up's copy takes the whole table, whatever is selected.
        rec.chooseInNextPopup("M11");
        clickCell(f.G4, 3, 2, Qt::RightButton);
        EXPECT_EQ(rec.popups(), QStringList{"M1"});
        EXPECT_EQ(rec.clipboard(), kTwoMonthRows.join('\r'));
        EXPECT_EQ(f.G4.Row(), 1);
        EXPECT_EQ(f.G4.Col(), 1);
        // Ctrl+C anywhere in the form copies as well (the list has no text box).
        rec.ClipboardSetText("old");
        forms::testing::pressKey(f.Command1, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(rec.clipboard(), kTwoMonthRows.join('\r'));
        EXPECT_EQ(rec.clipboardClears(), 2);

        f.Form_Activate();
        EXPECT_EQ(rowTexts(f.G4), kTwoMonthRows);
        click(f.Command1);
    });
    // "戻る" left the mark for the tally form; the data is as it was.
    EXPECT_FALSE(prog().ICHIRAN_.Loaded());
    EXPECT_EQ(shared().ReturnFlag.num(), 1);
    EXPECT_EQ(tally().CurMonth.num(), 2);
    EXPECT_EQ(tally().KeyCount.num(), 3);
}

TEST_F(IchiranTest, NoKeysSixMonthsAndDataThatNoLongerMatches)
{
    struct Case {
        const char* name;
        std::function<void()> data;
        QStringList rows;
    } cases[] = {
        {"key 0 only: no key rows", [&] { compute(3, {{{0, 2, 300}}}); },
         {"NO \t担当者NO\t件数\t3月金額\t件数\t合計金額", "\t合　計　\t2 \t300 \t2 \t300 "}},
        {"six months wrapping the year", [&] { compute(10, {{{5, 1, -1500}}, {}, {}, {}, {}, {{5, 2, 7}}}); },
         {"NO \t担当者NO\t件数\t10月金額\t件数\t11月金額\t件数\t12月金額\t件数\t1月金額\t件数\t2月金額\t件数\t3月金額"
          "\t件数\t合計金額",
          "1 \t5 \t1 \t-1,500 \t\t\t\t\t\t\t\t\t2 \t7 \t3 \t-1,493 ",
          "\t合　計　\t1 \t-1,500 \t0 \t0 \t0 \t0 \t0 \t0 \t0 \t0 \t2 \t7 \t3 \t-1,493 "}},
        {"a period of five months entered after the compute, a wrong key count",
         [&] {
             compute(1, {{{7, 1, 10}}});
             tally().MonthCount = 5;
             tally().MonthNo.redim(5);
             tally().KeyCount = 9;
         },
         {"NO \t担当者NO\t件数\t0月金額\t件数\t合計金額", "1 \t7 \t1 \t10 \t1 \t10 ", "\t合　計　\t1 \t10 \t1 \t10 "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.data();
        shared().ReturnFlag = 0;
        tally().CurMonth = 1;
        showList([&](ICHIRAN& f) {
            EXPECT_EQ(rowTexts(f.G4), c.rows);
            // Widths 500, 900, then 550 and 1100 a month, then 650 and 1300.
            const int cols = f.G4.Cols();
            for (int col = 0; col < cols; ++col) {
                const int w = col < 2 ? 500 + 400 * col
                                      : col >= cols - 2 ? 650 * (col - cols + 3) : (col % 2 ? 1100 : 550);
                EXPECT_EQ(f.G4.ColWidth(col), w) << col;
                EXPECT_EQ(f.G4.FixedAlignment(col), 4) << col;
                EXPECT_EQ(f.G4.ColAlignment(col), col <= 1 ? 4 : 7) << col;
            }
            rec.chooseInNextPopup("M11");
            clickCell(f.G4, 0, 1, Qt::RightButton);
            EXPECT_EQ(rec.clipboard(), c.rows.join('\r'));
            EXPECT_EQ(f.G4.Row(), 1);   // the totals row when there are no keys
            f.close();
        });
        // The close box goes back as "戻る" does.
        EXPECT_FALSE(prog().ICHIRAN_.Loaded());
        EXPECT_EQ(shared().ReturnFlag.num(), 1);
        EXPECT_EQ(tally().CurMonth.num(), 2);
    }
}

TEST_F(IchiranTest, ExitEndsTheProgram)
{
    for (int helpOpen : {0, 1}) {
        SCOPED_TRACE(helpOpen);
        program = std::make_unique<Program>(rec, dir.path());
        const int closesBefore = rec.helpCloseAlls();
        computeTwoMonths();
        shared().HelpOpen = helpOpen;
        shared().ReturnFlag = 0;
        showList([&](ICHIRAN& f) { click(f.Command2); });
        EXPECT_TRUE(prog().Ended());
        EXPECT_EQ(rec.helpCloseAlls() - closesBefore, helpOpen);
        EXPECT_EQ(shared().ReturnFlag.num(), 0);   // nothing is marked on the way out
    }
}

} // namespace
} // namespace sumlet::testing
