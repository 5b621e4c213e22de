// The entry line over G1: Enter in each box, formats, totals, arrows, clicks
// and the 500-row capacity.
#include "tally_fixture.h"

#include "runtime/format.h"

#include <QApplication>
#include <cmath>

namespace sumlet::testing {
namespace {

using forms::testing::click;
using forms::testing::clickCell;
using forms::testing::pressKey;
using forms::testing::typeText;

// Round half away from zero, then Val-style grouping: an independent model
// of what a typed number becomes in the grid and in the totals.
double whole(double v) { return v < 0 ? -std::floor(-v + 0.5) : std::floor(v + 0.5); }

TEST_F(TallyTest, EnterWritesFormattedCellsAndTotalsFollowTheColumns)
{
    struct Case {
        const char *key, *count, *amount;
        const char* shown;
        double countValue, amountValue;
    };
    const Case cases[] = {
        {"12", "3", "1234567", "12 |3 |1,234,567 ", 3, 1234567},
        {"7", "12.5", "1500", "7 |13 |1,500 ", 12.5, 1500},
        {"", "abc", "", "0 |0 |0 ", 0, 0},   // empty boxes over empty cells write 0
        {"-5", "-2", "-1500", "-5 |-2 |-1,500 ", -2, -1500},
        {"1,000", "1 2", "2.5", "1 |12 |3 ", 12, 3},
        {"&H10", "0.4", "999.5", "16 |0 |1,000 ", 0.4, 1000},
        {" *", "1", "1", "0 |1 |1 ", 1, 1},
        {"＊", "1", "1", "0 |1 |1 ", 1, 1},
        // 15 digits at most, judged after the rounding to a whole number.
        {"999999999999999", "999999999999999.4", "-999999999999999",
         "999999999999999 |999999999999999 |-999,999,999,999,999 ", 999999999999999.4, -999999999999999},
    };
    SHUKEI& f = openForEntry("4", "6");
    double counts = 0, amounts = 0;
    int r = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        typeText(f.Text3, QString::fromUtf8(c.key) + "\r");
        EXPECT_EQ(focus(), "Text4");
        EXPECT_EQ(f.Text3.Text(), "");
        typeText(f.Text4, QString::fromUtf8(c.count) + "\r");
        EXPECT_EQ(focus(), "Text5");
        // The count total reads the cells as written ("#0 ").
        counts += whole(c.countValue);
        EXPECT_EQ(f.Label24.Caption().toStdString(), runtime::Format(counts, "# "));
        typeText(f.Text5, QString::fromUtf8(c.amount) + "\r");
        EXPECT_EQ(focus(), "Text3");
        amounts += whole(c.amountValue);
        EXPECT_EQ(f.Label25.Caption().toStdString(), runtime::Format(amounts, "#,0 "));
        EXPECT_EQ(cells(r).toStdString(), c.shown);
        ++r;
        EXPECT_EQ(line().row, r);
    }
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(tally().MonthRows[1].num(), 0);   // nothing stored until the month is closed
    star();
    EXPECT_EQ(stored(1).value(std::size(cases) - 1), "999999999999999|999999999999999|-999999999999999");
}

// Enter over a filled row 1: an empty box passes on without writing, a
// number beyond the range or of more than 15 digits is refused.
TEST_F(TallyTest, EnterThatWritesNothing)
{
    struct Case {
        const char* box;
        const char* typed;
        const char* focus;
        int rowAfter;
        const char* warning;
    };
    const Case cases[] = {
        {"Text3", "", "Text4", 1, nullptr},
        {"Text4", "", "Text5", 1, nullptr},
        {"Text5", "", "Text3", 2, nullptr},   // on to the next row, totals untouched
        {"Text3", "1e999", "Text3", 1, "入力エラー！"},
        {"Text4", "1e999", "Text4", 1, "入力エラー！"},
        {"Text5", "1e999", "Text5", 1, "入力エラー！"},
        // More than 15 digits.
        {"Text3", "1e15", "Text3", 1, "入力エラー！"},
        {"Text4", "1000000000000000", "Text4", 1, "入力エラー！"},
        {"Text5", "1e300", "Text5", 1, "入力エラー！"},
        {"Text5", "-1e15", "Text5", 1, "入力エラー！"},
        {"Text3", "999999999999999.5", "Text3", 1, "入力エラー！"},   // rounds to 10^15
        {"Text4", "-123456789012345678", "Text4", 1, "入力エラー！"},
    };
    SHUKEI& f = openForEntry("4", "6");
    row("1", "2", "3");
    size_t warnings = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        clickCell(f.G1, 1, 1);
        auto* box = static_cast<forms::TextBox*>(f.findControl(c.box));
        box->SetFocus();
        f.Label24.setCaption("kept");
        f.Label25.setCaption("kept");
        if (c.warning)
            rec.answerNextMessage(forms::MsgResult::OK);
        typeText(*box, QString::fromUtf8(c.typed) + "\r");
        if (c.warning)
            expectWarning(QString::fromUtf8(c.warning), warnings++);
        EXPECT_EQ(rec.messages().size(), warnings);
        EXPECT_EQ(box->Text(), "");
        EXPECT_EQ(focus(), c.focus);
        EXPECT_EQ(cells(1), "1 |2 |3 ");
        EXPECT_EQ(line().row, c.rowAfter);
        EXPECT_EQ(f.Label24.Caption() + f.Label25.Caption(), "keptkept");
    }
    EXPECT_EQ(rec.beeps(), int(warnings));
}

TEST_F(TallyTest, ArrowKeysMoveTheLineAsTheTableSays)
{
    struct Case {
        const char* box;
        int key;
        int fromRow, fromTop;        // line row and grid top row before
        const char* typed;
        Line after;
        const char* focus;
        bool boxKept;
    };
    const int L = Qt::Key_Left, U = Qt::Key_Up, R = Qt::Key_Right, D = Qt::Key_Down;
    const Case cases[] = {
        {"Text3", U, 5, 1, "9", {4, 4, 1620, 1}, "Text3", false},
        {"Text3", D, 5, 1, "9", {6, 6, 2100, 1}, "Text3", false},
        {"Text3", R, 5, 1, "9", {5, 5, 1860, 1}, "Text4", false},
        {"Text3", L, 5, 1, "9", {4, 4, 1620, 1}, "Text5", false},
        {"Text3", U, 1, 1, "9", {1, 1, 900, 1}, "Text3", false},
        {"Text3", L, 1, 1, "9", {1, 1, 900, 1}, "Text5", false},
        {"Text4", U, 5, 1, "9", {4, 4, 1620, 1}, "Text4", false},
        {"Text4", D, 5, 1, "9", {6, 6, 2100, 1}, "Text4", false},
        {"Text4", R, 5, 1, "9", {5, 5, 1860, 1}, "Text5", false},
        {"Text4", L, 5, 1, "9", {5, 5, 1860, 1}, "Text3", false},
        {"Text5", U, 5, 1, "9", {4, 4, 1620, 1}, "Text5", true},
        {"Text5", D, 5, 1, "9", {6, 6, 2100, 1}, "Text5", true},
        {"Text5", R, 15, 12, "9", {16, 5, 1860, 12}, "Text3", true},
        {"Text5", L, 5, 1, "9", {5, 5, 1860, 1}, "Text4", false},
        // The tenth visible line: the grid scrolls under the line.
        {"Text3", D, 10, 1, "", {11, 10, 3060, 2}, "Text3", false},
        {"Text5", D, 20, 11, "", {21, 10, 3060, 12}, "Text5", true},
        // Up on the first visible line of a scrolled grid.
        {"Text4", U, 11, 11, "", {10, 1, 900, 10}, "Text4", false},
        // The last row holds the line.
        {"Text3", D, 500, 491, "", {500, 10, 3060, 491}, "Text3", false},
        {"Text5", R, 500, 491, "", {500, 10, 3060, 491}, "Text3", true},
    };
    SHUKEI& f = openForEntry("4", "6");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + std::to_string(c.key) + " from " + std::to_string(c.fromRow));
        f.G1.setTopRow(c.fromTop);
        auto* box = static_cast<forms::TextBox*>(f.findControl(c.box));
        const int col = box == &f.Text3 ? 1 : box == &f.Text4 ? 2 : 3;
        clickCell(f.G1, c.fromRow, col);
        box->setText(QString());
        typeText(*box, c.typed);
        pressKey(*box, c.key);
        EXPECT_EQ(line(), c.after);
        EXPECT_EQ(focus(), c.focus);
        EXPECT_EQ(box->Text(), c.boxKept ? QString(c.typed) : QString());
        EXPECT_EQ(f.G1.TextMatrix(c.fromRow, col), "");   // nothing written
    }
}

TEST_F(TallyTest, ClickPlacesTheLineOverTheClickedRow)
{
    SHUKEI& f = openForEntry("4", "6");
    f.G1.setTopRow(8);
    clickCell(f.G1, 15, 3);
    EXPECT_EQ(line(), (Line{15, 8, 8 * 240 + 660, 8}));
    EXPECT_EQ(focus(), "Text5");
    typeText(f.Text5, "700\r");
    EXPECT_EQ(f.G1.TextMatrix(15, 3), "700 ");
    EXPECT_EQ(line(), (Line{16, 9, 9 * 240 + 660, 8}));
    // The heading row does not move the line, and the keys go back to the
    // box that had them, although the press gives the grid the focus.
    clickCell(f.G1, 9, 2);
    f.Text3.SetFocus();
    QApplication::setActiveWindow(&f);
    ASSERT_EQ(QApplication::activeWindow(), &f);
    clickCell(f.G1, 0, 3);
    EXPECT_EQ(line(), (Line{9, 2, 2 * 240 + 660, 8}));
    EXPECT_EQ(focus(), "Text3");
    EXPECT_EQ(QApplication::focusWidget(), &f.Text3);
}

TEST_F(TallyTest, FiveHundredRowsFillTheGridAndTheLineStopsAtTheLast)
{
    SHUKEI& f = openForEntry("4", "6");
    rows(500);
    EXPECT_EQ(line(), (Line{500, 10, 3060, 491}));
    EXPECT_EQ(cells(500), "500 |1 |50,000 ");
    EXPECT_EQ(f.Label24.Caption(), "500 ");
    EXPECT_EQ(f.Label25.Caption().toStdString(), runtime::Format(100.0 * 500 * 501 / 2, "#,0 "));
    // A further amount overwrites row 500.
    typeText(f.Text5, "1\r");
    EXPECT_EQ(cells(500), "500 |1 |1 ");
    EXPECT_EQ(line().row, 500);
    // "*" keeps the 499 rows above it, "入力確定" all 500.
    click(f.Command11);
    EXPECT_EQ(tally().MonthRows[1].num(), 500);
    star();
    EXPECT_EQ(tally().MonthRows[1].num(), 499);
}

} // namespace
} // namespace sumlet::testing
