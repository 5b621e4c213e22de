// The entry print: PRINT_1 and the tally form's entry toolbar, blocks of 60
// rows, 180 a page, month totals summed from the rows, the guards, the PDFs.
#include "tally_print_fixture.h"

#include <QFile>
#include <QRegularExpression>

namespace sumlet::testing {
namespace {

using forms::testing::choose;
using forms::testing::click;
using forms::testing::clickToolbar;

class EntryPrintTest : public TallyPrintTest {
protected:
    // April: n rows (key 100 + j mod 7, count 1, amount 1000 j); May: none;
    // June: a negative amount, then 300, then key 9 for 10 up to m rows.
    void enterThreeMonths(int n = 181, int m = 2)
    {
        std::vector<Row> april, june{{5, 2, -1200}, {7, 1, 300}};
        for (int j = 1; j <= n; ++j)
            april.push_back({100.0 + j % 7, 1, 1000.0 * j});
        june.resize(std::size_t(m), {9, 1, 10});
        enterMonths(4, {april, {}, june});
    }
    // Keys of 13 and 15 digits, a count of 15 digits, amounts of 10 digits.
    static std::vector<Row> wideEntries()
    {
        return {{4901234567894, 540, 4958597967}, {123456789012345, 123456789012345, -1234567890},
                {4901234567900, 1, 1}};
    }
};

const QStringList kHeader{"NO", "担当者NO", "件数", "金　額", "NO", "担当者NO", "件数", "金　額",
                          "NO", "担当者NO", "件数", "金　額"};

TEST_F(EntryPrintTest, DialogPrintsEveryMonthOnItsOwnPages)
{
    SHUKEI& f = openTally();
    // Computed on other rows first: the titles follow the rows, not the old sums.
    compute(4, {{{1, 2, 500}}, {{1, 1, 100}}, {}});
    enterThreeMonths();
    choose(f.M4);
    PRINT_1* dialog = prog().PRINT_1_.get();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(shared().ReturnFlag.num(), 1);
    PRINT_1& d = *dialog;
    EXPECT_EQ((QStringList{d.Caption(), d.Label1.Caption(), d.Command1.Caption(), d.Command2.Caption()}),
              (QStringList{" 印刷", "入力した全データを各月ごとに印刷出力します。", "印刷する", "キャンセル"}));
    EXPECT_EQ(d.ScaleWidth(), 3930);
    EXPECT_EQ(d.ScaleHeight(), 1125);
    EXPECT_EQ(forms::testing::focusName(d), "Command1");

    // A print that cannot be done: the warning, the dialog stays.
    rec.recordingPrinter().failNextJob("no printer");
    expectWarning("印刷できませんでした！", [&] { click(d.Command1); });
    ASSERT_TRUE(prog().PRINT_1_.Loaded());
    click(d.Command1);

    EXPECT_FALSE(prog().PRINT_1_.Loaded());
    ASSERT_EQ(documentCount(), 1u);
    const auto& doc = lastDocument();
    EXPECT_EQ(doc.orientation, forms::Orientation::Portrait);
    ASSERT_EQ(doc.pages.size(), 4u);   // April 2, May 1, June 1; no empty sheet

    const PrintPage& p1 = doc.pages[0];
    EXPECT_EQ(p1.items.at(0).text, " ");
    EXPECT_EQ(p1.items.at(0).fontName, "ＭＳ 明朝");
    const QString april = " 4 月度　　合計：　181件　　　16,471,000円";
    EXPECT_EQ(placed(p1, 2.4), QStringList{april + "@6"});
    EXPECT_EQ(placed(p1, 4.2), (QStringList{"NO@7", "担当者NO@11", "件数@21", "金　額@30", "NO@45", "担当者NO@49",
                                            "件数@59", "金　額@68", "NO@83", "担当者NO@87", "件数@97", "金　額@106"}));
    // Rows 1, 61, 121 on line 1 of the three blocks, 60, 120, 180 on line 60,
    // by right edges (the colon follows the number's edge 9, 47, 85).
    EXPECT_EQ(placed(p1, 6.0, true),
              (QStringList{"1:@10", "101@18", "1@24", "1,000@37", "61:@48", "105@56", "1@62", "61,000@75",
                           "121:@86", "102@94", "1@100", "121,000@113"}));
    EXPECT_EQ(placed(p1, 76.8, true),
              (QStringList{"60:@10", "104@18", "1@24", "60,000@37", "120:@48", "101@56", "1@62", "120,000@75",
                           "180:@86", "105@94", "1@100", "180,000@113"}));
    EXPECT_EQ(rules(p1), (QStringList{"3:4,3.84-115,3.84", "3:4,5.4-115,5.4"}));
    EXPECT_EQ(p1.items.size(), 1 + 1 + 12 + 4 * 180 + 2u);

    // Page 2: title and header again, row 181 on line 1 of block 1.
    const PrintPage& p2 = doc.pages[1];
    EXPECT_EQ(p2.texts().mid(0, 13), QStringList{april} + kHeader);
    EXPECT_EQ(placed(p2, 6.0, true), (QStringList{"181:@10", "106@18", "1@24", "181,000@37"}));
    EXPECT_EQ(rules(p2).size(), 2);

    // May has no rows: title, header and rules only.
    EXPECT_EQ(doc.pages[2].texts(), QStringList{" 5 月度　　合計：　0件　　　0円"} + kHeader);
    EXPECT_EQ(rules(doc.pages[2]).size(), 2);

    // June: totals from its rows, a negative amount still right-aligned.
    const PrintPage& p4 = doc.pages[3];
    EXPECT_EQ(p4.texts().value(0), " 6 月度　　合計：　3件　　　-900円");
    EXPECT_EQ(placed(p4, 6.0, true), (QStringList{"1:@10", "5@18", "2@24", "-1,200@37"}));
    EXPECT_EQ(placed(p4, 7.2, true), (QStringList{"2:@10", "7@18", "1@24", "300@37"}));

    // The dialog went, the tally form is active again with its data.
    EXPECT_TRUE(f.isActiveForm());
    EXPECT_EQ(tally().MonthRows[1].num(), 181);

    // "キャンセル" prints nothing.
    choose(f.M4);
    click(prog().PRINT_1_.get()->Command2);
    EXPECT_FALSE(prog().PRINT_1_.Loaded());
    EXPECT_EQ(documentCount(), 1u);
    EXPECT_TRUE(f.isActiveForm());
}

TEST_F(EntryPrintTest, TallyFormCommandsBehindTheirGuards)
{
    SHUKEI& f = openTally();
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
    // No keys computed (rows of key 0 only, or the count cleared): the result prints refuse.
    for (bool empty : {false, true}) {
        SCOPED_TRACE(empty);
        enterMonths(4, {{{0, 1, 5}}});
        computeOnForm(f);
        ASSERT_EQ(tally().KeyCount.num(), 0);
        ASSERT_TRUE(f.Frame3.isEnabled());
        if (empty)
            tally().KeyCount.clear();
        expectWarning("集計結果データがありません！", [&] { choose(f.M5); });
        expectWarning("集計結果データがありません！", [&] { clickToolbar(f.Toolbar2, 1); });
    }
    EXPECT_EQ(documentCount(), 0u);

    // The entry toolbar prints the month shown only. June's 180 rows fill
    // exactly one page, row 180 on line 60 of block 3.
    enterThreeMonths(500, 180);
    tally().CurMonth = 3;
    rec.recordingPrinter().failNextJob("offline");
    expectWarning("印刷できませんでした！", [&] { clickToolbar(f.Toolbar3, 1); });
    ASSERT_EQ(documentCount(), 0u);
    clickToolbar(f.Toolbar3, 1);
    ASSERT_EQ(documentCount(), 1u);
    ASSERT_EQ(lastDocument().pages.size(), 1u);
    EXPECT_EQ(lastDocument().pages[0].texts().value(1), " 6 月度　　合計：　181件　　　880円");
    EXPECT_EQ(placed(lastDocument().pages[0], 76.8, true).mid(8), (QStringList{"180:@86", "9@94", "1@100", "10@113"}));
    // April's 500 rows (the entry grid's capacity) take three pages, each
    // with its title; row 361 on line 1 of block 1, row 500 on line 20 of block 3.
    tally().CurMonth = 1;
    clickToolbar(f.Toolbar3, 1);
    const auto& april = lastDocument().pages;
    ASSERT_EQ(april.size(), 3u);
    for (const PrintPage& p : april)
        EXPECT_EQ(placed(p, 2.4), QStringList{" 4 月度　　合計：　500件　　　125,250,000円@6"});
    EXPECT_EQ(placed(april[2], 6.0, true).mid(0, 4), (QStringList{"361:@10", "104@18", "1@24", "361,000@37"}));
    EXPECT_EQ(placed(april[2], 28.8, true).mid(8), (QStringList{"500:@86", "103@94", "1@100", "500,000@113"}));

    // None of them touched the form's state.
    EXPECT_EQ(tally().CurMonth.num(), 1);
    EXPECT_EQ(shared().ReturnFlag.num(), 0);
    EXPECT_FALSE(prog().PRINT_1_.Loaded());
    EXPECT_TRUE(f.isActiveForm());
}

TEST_F(EntryPrintTest, BothPrintsRenderReadablePdfs)
{
    forms::QtPrinter printer{rec, forms::QtPrinter::Target::PdfOnly};
    computeKeys(41);
    rec.answerNextFileDialog(dir.filePath("list.pdf"));
    ASSERT_EQ(PrintResultList(printer, tally(), 40), forms::PrintOutcome::Printed)
        << printer.errorText().toStdString();
    QString text = pdfText(dir.filePath("list.pdf"));
    EXPECT_EQ(text.count(QChar('\f')), 2) << text.toStdString();
    for (const char* s : {"PG: 1/2", "PG: 2/2", "NextPage↓", "6月度", "担当者NO", "4,100"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s << "\n" << text.toStdString();
    // The totals row (the text tool writes the ideographic space as a blank).
    EXPECT_TRUE(text.contains(QRegularExpression("合\\s+計\\s+41\\s+86,100\\s+41\\s+86,100"))) << text.toStdString();

    enterThreeMonths();
    rec.answerNextFileDialog(dir.filePath("entries.pdf"));
    ASSERT_EQ(PrintEntries(printer, tally(), 1, 3), forms::PrintOutcome::Printed) << printer.errorText().toStdString();
    text = pdfText(dir.filePath("entries.pdf"));
    EXPECT_EQ(text.count(QChar('\f')), 4) << text.toStdString();
    EXPECT_EQ(text.count("16,471,000"), 2) << text.toStdString();
    for (const char* s : {"181:", "181,000", "180:", "-1,200", "-900", "担当者NO"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s << "\n" << text.toStdString();
}

// Keys of 13 and 15 digits in the 7 w key field, a 15-digit count in the
// 5 w count field, 10-digit amounts: each prints in the largest quarter
// point that fits, its right edge in place; the title line stays as it is.
TEST_F(EntryPrintTest, WideNumbersKeepToTheirFields)
{
    enterMonths(4, {wideEntries()});
    ASSERT_EQ(PrintEntries(rec.recordingPrinter(), tally(), 1, 1), forms::PrintOutcome::Printed);
    const PrintPage& page = lastDocument().pages.at(0);
    const QString title = " 4 月度　　合計：　123456789012886件　　　3,724,030,078円";
    EXPECT_EQ(placed(page, 2.4), QStringList{title + "@6"});
    EXPECT_TRUE(placedSized(page, 2.4).value(0).endsWith(":9.5"));
    EXPECT_EQ(placedSized(page, 6.0), (QStringList{"1:@10:9.5", "4901234567894@18:5", "540@24:9.5",
                                                   "4,958,597,967@37:8.75"}));
    EXPECT_EQ(placedSized(page, 7.2), (QStringList{"2:@10:9.5", "123456789012345@18:4.25", "123456789012345@24:3",
                                                   "-1,234,567,890@37:8"}));
    EXPECT_EQ(placedSized(page, 8.4), (QStringList{"3:@10:9.5", "4901234567900@18:5", "1@24:9.5", "1@37:9.5"}));
    EXPECT_EQ(forms::testing::touchingTexts(page), QStringList{});
}

// The PDFs of both prints with these numbers: every row reads as its
// fields, each a word of its own, none touching the next.
TEST_F(EntryPrintTest, PdfsKeepWideNumbersApart)
{
    forms::QtPrinter printer{rec, forms::QtPrinter::Target::PdfOnly};
    const auto rowsFrom = [](const QString& pdf, const QString& first) {
        std::vector<QStringList> out;
        for (const auto& row : forms::testing::pdfRows(forms::testing::pdfWords(pdf), 0)) {
            QStringList words;
            for (const auto& w : row)
                words << w.text;
            if (!out.empty() || words.value(0) == first)
                out.push_back(words);
            EXPECT_EQ(forms::testing::touchingWords(row), QStringList{}) << words.join(' ').toStdString();
        }
        return out;
    };

    computeWideKeys();
    rec.answerNextFileDialog(dir.filePath("list.pdf"));
    ASSERT_EQ(PrintResultList(printer, tally(), 40), forms::PrintOutcome::Printed) << printer.errorText().toStdString();
    const auto list = rowsFrom(dir.filePath("list.pdf"), "1");
    ASSERT_GE(list.size(), 4u);
    EXPECT_EQ(list[0], (QStringList{"1", "4901234567894", "540", "4,958,597,967", "999", "9,999,999,999", "1539",
                                    "14,958,597,966"}));
    EXPECT_EQ(list[1], (QStringList{"2", "4901234567900", "123456789012345", "1,234,567,890", "123456789012345",
                                    "1,234,567,890"}));
    EXPECT_EQ(list[2], (QStringList{"3", "123456789012345", "1", "1", "1", "1"}));
    EXPECT_EQ(list[3].mid(list[3].size() - 6), (QStringList{"123456789012885", "6,193,165,857", "1000",
                                                            "10,000,000,000", "123456789013885", "16,193,165,857"}));
    if (qEnvironmentVariableIsSet("TALLY_KEEP_PDF"))
        QFile::copy(dir.filePath("list.pdf"), qEnvironmentVariable("TALLY_KEEP_PDF"));

    enterMonths(4, {wideEntries()});
    rec.answerNextFileDialog(dir.filePath("entries.pdf"));
    ASSERT_EQ(PrintEntries(printer, tally(), 1, 1), forms::PrintOutcome::Printed) << printer.errorText().toStdString();
    const auto entries = rowsFrom(dir.filePath("entries.pdf"), "1:");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], (QStringList{"1:", "4901234567894", "540", "4,958,597,967"}));
    EXPECT_EQ(entries[1], (QStringList{"2:", "123456789012345", "123456789012345", "-1,234,567,890"}));
    EXPECT_EQ(entries[2], (QStringList{"3:", "4901234567900", "1", "1"}));
}

} // namespace
} // namespace sumlet::testing
