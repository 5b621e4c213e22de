// The entry print: PRINT_1 and the tally form's entry toolbar, blocks of 60
// rows, 180 a page, month totals summed from the rows, the guards.
#include "tally_print_fixture.h"

#include <QAccessible>
#include <QLocale>
#include <algorithm>

namespace sumlet::testing {
namespace {

using forms::testing::choose;
using forms::testing::click;
using forms::testing::clickToolbar;

class EntryPrintTest : public TallyPrintTest {
protected:
    // April: 181 rows (key 100 + j mod 7, count 1, amount 1000 j); May: none;
    // June: two rows, one negative.
    void enterThreeMonths()
    {
        std::vector<Row> april;
        for (int j = 1; j <= 181; ++j)
            april.push_back({100.0 + j % 7, 1, 1000.0 * j});
        enterMonths(4, {april, {}, {{5, 2, -1200}, {7, 1, 300}}});
    }
    // One month of n rows, printed directly.
    const forms::PrintDocument& printMonthOf(int n)
    {
        std::vector<Row> rows;
        for (int j = 1; j <= n; ++j)
            rows.push_back({double(j), 1, 10.0 * j});
        enterMonths(1, {rows});
        EXPECT_EQ(PrintEntries(rec.recordingPrinter(), tally(), 1, 1), forms::PrintOutcome::Printed);
        return lastDocument();
    }
};

QString thousands(long long v) { return QLocale(QLocale::English).toString(v); }

const QStringList kHeader{"NO", "担当者NO", "件数", "金　額", "NO", "担当者NO", "件数", "金　額",
                          "NO", "担当者NO", "件数", "金　額"};

TEST_F(EntryPrintTest, DialogPrintsEveryMonthOnItsOwnPages)
{
    SHUKEI& f = openTally();
    enterThreeMonths();
    choose(f.M4);
    PRINT_1* dialog = prog().PRINT_1_.get();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(shared().ReturnFlag.num(), 1);
    click(dialog->Command1);

    EXPECT_FALSE(prog().PRINT_1_.Loaded());
    ASSERT_EQ(documentCount(), 1u);
    const auto& doc = lastDocument();
    EXPECT_EQ(doc.orientation, forms::Orientation::Portrait);
    ASSERT_EQ(doc.pages.size(), 4u);   // April 2, May 1, June 1; no empty sheet

    const forms::PrintPage& p1 = doc.pages[0];
    EXPECT_EQ(p1.items.at(0).text, " ");
    EXPECT_EQ(p1.items.at(0).fontName, "ＭＳ 明朝");
    expectPlaced(textsAt(p1, 2.4), {{" 4 月度　　合計：　181件　　　16,471,000円", 6, 0}}, false);
    expectPlaced(textsAt(p1, 4.2),
                 {{"NO", 7, 0}, {"担当者NO", 11, 0}, {"件数", 21, 0}, {"金　額", 30, 0}, {"NO", 45, 0},
                  {"担当者NO", 49, 0}, {"件数", 59, 0}, {"金　額", 68, 0}, {"NO", 83, 0}, {"担当者NO", 87, 0},
                  {"件数", 97, 0}, {"金　額", 106, 0}},
                 false);
    // Rows 1, 61 and 121 on line 1 of the three blocks; 60, 120, 180 on line 60.
    // The number's right edge is fixed, its colon follows it.
    for (double y : {6.0, 76.8}) {
        const bool top = y == 6.0;
        const auto row = textsAt(p1, y);
        ASSERT_EQ(row.size(), 12u);
        const QString numbers[3] = {top ? "1:" : "60:", top ? "61:" : "120:", top ? "121:" : "180:"};
        for (int b = 0; b < 3; ++b) {
            SCOPED_TRACE(numbers[b].toStdString());
            const auto& n = row[std::size_t(4 * b)];
            EXPECT_EQ(n.text, numbers[b]);
            EXPECT_NEAR(n.right - 1, 9 + 38 * b, 1e-9);
            EXPECT_NEAR(row[std::size_t(4 * b + 1)].right, 18 + 38 * b, 1e-9);
            EXPECT_NEAR(row[std::size_t(4 * b + 2)].right, 24 + 38 * b, 1e-9);
            EXPECT_NEAR(row[std::size_t(4 * b + 3)].right, 37 + 38 * b, 1e-9);
        }
        EXPECT_EQ(row[3].text, top ? "1,000" : "60,000");
        EXPECT_EQ(row[11].text, top ? "121,000" : "180,000");
    }
    expectRules(p1, {{3, 4, 3.84, 115, 3.84}, {3, 4, 5.4, 115, 5.4}});
    EXPECT_EQ(p1.items.size(), 1 + 1 + 12 + 4 * 180 + 2u);

    // Page 2: title and header again, row 181 on line 1 of block 1.
    const forms::PrintPage& p2 = doc.pages[1];
    EXPECT_EQ(p2.texts().mid(0, 13), QStringList{" 4 月度　　合計：　181件　　　16,471,000円"} + kHeader);
    expectPlaced(textsAt(p2, 6.0), {{"181:", 0, 10}, {"106", 0, 18}, {"1", 0, 24}, {"181,000", 0, 37}}, true);
    EXPECT_EQ(rulesOf(p2).size(), 2u);

    // May has no rows: title, header and rules only.
    EXPECT_EQ(doc.pages[2].texts(), QStringList{" 5 月度　　合計：　0件　　　0円"} + kHeader);
    EXPECT_EQ(rulesOf(doc.pages[2]).size(), 2u);

    // June: totals from its rows, a negative amount still right-aligned.
    const forms::PrintPage& p4 = doc.pages[3];
    EXPECT_EQ(p4.texts().at(0), " 6 月度　　合計：　3件　　　-900円");
    expectPlaced(textsAt(p4, 6.0), {{"1:", 0, 10}, {"5", 0, 18}, {"2", 0, 24}, {"-1,200", 0, 37}}, true);
    expectPlaced(textsAt(p4, 7.2), {{"2:", 0, 10}, {"7", 0, 18}, {"1", 0, 24}, {"300", 0, 37}}, true);

    // The dialog went, the tally form is active again with its data.
    EXPECT_TRUE(f.isActiveForm());
    EXPECT_EQ(tally().MonthRows[1].num(), 181);
}

TEST_F(EntryPrintTest, RowsFillBlocksAndPages)
{
    struct Case {
        int rows, pages;
        int lastBlock, lastLine;   // where the last row stands on the last page
    } cases[] = {
        {1, 1, 0, 1}, {60, 1, 0, 60}, {61, 1, 1, 1}, {180, 1, 2, 60}, {181, 2, 0, 1}, {500, 3, 2, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        const auto& doc = printMonthOf(c.rows);
        ASSERT_EQ(int(doc.pages.size()), c.pages);
        const auto row = textsAt(doc.pages.back(), 1.2 * (4 + c.lastLine));
        const QString number = QString::number(c.rows) + ":";
        auto it = std::find_if(row.begin(), row.end(), [&](const Placed& p) { return p.text == number; });
        ASSERT_NE(it, row.end());
        EXPECT_NEAR(it->right - 1, 9 + 38 * c.lastBlock, 1e-9);
        EXPECT_EQ(it[3].text, thousands(10LL * c.rows));
        // Every page has its title, its header and its two rules.
        for (const auto& page : doc.pages) {
            EXPECT_EQ(textsAt(page, 2.4).at(0).text, QString(" 1 月度　　合計：　%1件　　　%2円")
                                              .arg(c.rows)
                                              .arg(thousands(5LL * c.rows * (c.rows + 1))));
            EXPECT_EQ(rulesOf(page).size(), 2u);
        }
    }
}

TEST_F(EntryPrintTest, MonthTotalsComeFromTheRowsAtPrintTime)
{
    // Computed, then month 1 closed again with other rows: the title follows the rows.
    compute(11, {{{1, 2, 500}}, {{1, 1, 100}}});
    EXPECT_EQ(tally().MonthCountSum.num(1), 2);
    enterMonths(11, {{{1, 5, 700}, {2, 1, 1}}, {{1, 1, 100}}});
    tally().MonthCountSum.set(1, 2);   // the last compute's sums stay as they were
    ASSERT_EQ(PrintEntries(rec.recordingPrinter(), tally(), 1, 2), forms::PrintOutcome::Printed);
    const auto& doc = lastDocument();
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(doc.pages[0].texts().at(1), " 11 月度　　合計：　6件　　　701円");
    EXPECT_EQ(doc.pages[1].texts().at(0), " 12 月度　　合計：　1件　　　100円");
}

TEST_F(EntryPrintTest, ToolbarPrintsTheMonthShownOnly)
{
    SHUKEI& f = openTally();
    enterThreeMonths();
    tally().CurMonth = 3;
    clickToolbar(f.Toolbar3, 1);
    ASSERT_EQ(documentCount(), 1u);
    const auto& doc = lastDocument();
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.pages[0].texts().at(1), " 6 月度　　合計：　3件　　　-900円");
    EXPECT_EQ(tally().CurMonth.num(), 3);
    EXPECT_EQ(shared().ReturnFlag.num(), 0);
    EXPECT_FALSE(prog().PRINT_1_.Loaded());
}

TEST_F(EntryPrintTest, GuardsRefuseWithoutEntriesOrResults)
{
    SHUKEI& f = openTally();
    f.Frame3.setEnabled(true);   // as after a compute, so its toolbar can be clicked

    // Month 1 empty (or never set), other months with rows: the entry prints refuse.
    for (bool empty : {false, true}) {
        SCOPED_TRACE(empty);
        enterMonths(4, {{}, {{1, 1, 1}}, {{2, 2, 2}}});
        if (empty)
            tally().MonthRows[1].clear();
        tally().CurMonth = 3;
        expectWarning("入力データがありません！", [&] { choose(f.M4); });
        expectWarning("入力データがありません！", [&] { clickToolbar(f.Toolbar3, 1); });
        EXPECT_FALSE(prog().PRINT_1_.Loaded());
    }
    // No tally computed: the result prints refuse.
    for (bool empty : {false, true}) {
        SCOPED_TRACE(empty);
        tally().KeyCount = 0;
        if (empty)
            tally().KeyCount.clear();
        expectWarning("集計結果データがありません！", [&] { choose(f.M5); });
        expectWarning("集計結果データがありません！", [&] { clickToolbar(f.Toolbar2, 1); });
    }
    EXPECT_EQ(documentCount(), 0u);
    EXPECT_EQ(tally().CurMonth.num(), 3);
    EXPECT_TRUE(f.isActiveForm());
}

TEST_F(EntryPrintTest, ResultListFromTheTallyFormByMenuAndToolbar)
{
    SHUKEI& f = openTally();
    computeKeys(41);
    f.Frame3.setEnabled(true);   // as after a compute
    choose(f.M5);
    ASSERT_EQ(documentCount(), 1u);
    EXPECT_EQ(lastDocument().pages.size(), 5u);
    EXPECT_EQ(textsAt(lastDocument().pages[4], 1.5).at(0).text, "PG: 5/5");
    clickToolbar(f.Toolbar2, 1);
    ASSERT_EQ(documentCount(), 2u);
    EXPECT_EQ(lastDocument().pages.size(), 2u);
    EXPECT_EQ(textsAt(lastDocument().pages[1], 6.0).at(0).text, "41");
    EXPECT_EQ(shared().ReturnFlag.num(), 0);
    EXPECT_TRUE(f.isActiveForm());
}

TEST_F(EntryPrintTest, DialogLooksAndCancels)
{
    SHUKEI& f = openTally();
    enterThreeMonths();
    choose(f.M4);
    PRINT_1& d = *prog().PRINT_1_.get();
    EXPECT_EQ(d.Caption(), " 印刷");
    EXPECT_EQ(d.ScaleWidth(), 3930);
    EXPECT_EQ(d.ScaleHeight(), 1125);
    EXPECT_EQ(d.Label1.Caption(), "入力した全データを各月ごとに印刷出力します。");
    EXPECT_EQ(d.Command1.Caption(), "印刷する");
    EXPECT_EQ(d.Command2.Caption(), "キャンセル");
    EXPECT_EQ(forms::testing::focusName(d), "Command1");
    for (QWidget* w : std::initializer_list<QWidget*>{&d.Command1, &d.Command2, &d.Label1}) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), w == &d.Label1 ? d.Label1.Caption() : static_cast<forms::CommandButton*>(w)->Caption());
    }

    // A print that cannot be done: the warning, the dialog stays.
    rec.recordingPrinter().failNextJob("no printer");
    expectWarning("印刷できませんでした！", [&] { click(d.Command1); });
    EXPECT_TRUE(prog().PRINT_1_.Loaded());

    click(d.Command2);
    EXPECT_FALSE(prog().PRINT_1_.Loaded());
    EXPECT_EQ(documentCount(), 0u);
    EXPECT_TRUE(f.isActiveForm());
}

TEST_F(EntryPrintTest, RendersAReadablePdf)
{
    enterThreeMonths();
    forms::QtPrinter printer{rec, forms::QtPrinter::Target::PdfOnly};
    const QString pdf = dir.filePath("entries.pdf");
    rec.answerNextFileDialog(pdf);
    ASSERT_EQ(PrintEntries(printer, tally(), 1, 3), forms::PrintOutcome::Printed) << printer.errorText().toStdString();
    const QString text = pdfText(pdf);
    EXPECT_EQ(text.count(QChar('\f')), 4) << text.toStdString();
    EXPECT_EQ(text.count("16,471,000"), 2) << text.toStdString();
    for (const char* s : {"181:", "181,000", "180:", "-1,200", "-900", "担当者NO"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s << "\n" << text.toStdString();
}

} // namespace
} // namespace sumlet::testing
