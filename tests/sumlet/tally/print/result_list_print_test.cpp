// The result list on paper: positions of the worked two-month example, page
// breaks at 10 and 40 keys a page, the page without keys, the PDF.
#include "tally_print_fixture.h"

#include <QRegularExpression>
#include <cmath>

namespace sumlet::testing {
namespace {

class ResultListPrintTest : public TallyPrintTest {
protected:
    // Prints from the list's own toolbar, as the user does.
    void printFromList()
    {
        if (!prog().MENU_.Loaded())
            start();
        rec.onNextModal("ICHIRAN", [&](forms::Form& f) {
            auto& list = static_cast<ICHIRAN&>(f);
            forms::testing::clickToolbar(list.Toolbar2, 1);
            forms::testing::click(list.Command1);
        });
        prog().ICHIRAN_.ShowModal();
    }
    const forms::PrintDocument& printDirect(int keysPerPage)
    {
        EXPECT_EQ(PrintResultList(rec.recordingPrinter(), tally(), keysPerPage), forms::PrintOutcome::Printed);
        return lastDocument();
    }
};

TEST_F(ResultListPrintTest, WorkedExampleOfTwoMonths)
{
    computeTwoMonths();
    printFromList();
    ASSERT_EQ(documentCount(), 1u);
    const auto& doc = lastDocument();
    EXPECT_EQ(doc.orientation, forms::Orientation::Landscape);
    ASSERT_EQ(doc.pages.size(), 1u);
    const PrintPage& page = doc.pages[0];

    const PrintItem& blank = page.items.at(0);
    EXPECT_EQ(blank.text, " ");
    EXPECT_EQ(blank.fontName, "ＭＳ 明朝");
    EXPECT_EQ(blank.fontSize, 12);
    for (std::size_t i = 1; i < page.items.size(); ++i)
        if (page.items[i].kind == PrintItem::Text) {
            EXPECT_EQ(page.items[i].fontName, "ＭＳ ゴシック");
            EXPECT_EQ(page.items[i].fontSize, 9.5);
        }

    // Headings: left edges.
    expectPlaced(textsAt(page, 1.5), {{"PG: 1/1", 77, 0}}, false);
    expectPlaced(textsAt(page, 3.0), {{"4月度", 35.5, 0}, {"5月度", 54.5, 0}, {"合　　計", 74, 0}}, false);
    expectPlaced(textsAt(page, 4.5),
                 {{"NO", 13, 0}, {"担当者NO", 18, 0}, {"件数", 29, 0}, {"金 額", 39, 0}, {"件数", 48, 0},
                  {"金 額", 58, 0}, {"件数", 68, 0}, {"金 額", 79, 0}},
                 false);
    // Key rows: right edges; key 20 has nothing in April, key 30 nothing in May.
    expectPlaced(textsAt(page, 6.0),
                 {{"1", 0, 15}, {"10", 0, 25}, {"3", 0, 33}, {"2,000", 0, 46}, {"1", 0, 52}, {"100", 0, 65},
                  {"4", 0, 72}, {"2,100", 0, 87}},
                 true);
    expectPlaced(textsAt(page, 7.2),
                 {{"2", 0, 15}, {"20", 0, 25}, {"3", 0, 52}, {"1,234,567", 0, 65}, {"3", 0, 72},
                  {"1,234,567", 0, 87}},
                 true);
    expectPlaced(textsAt(page, 8.4),
                 {{"3", 0, 15}, {"30", 0, 25}, {"1", 0, 33}, {"2,000", 0, 46}, {"1", 0, 72}, {"2,000", 0, 87}},
                 true);
    // Totals row on the foot line 1.2 * 3 + 6.2.
    const auto totals = textsAt(page, 9.8);
    ASSERT_FALSE(totals.empty());
    EXPECT_EQ(totals[0].text, "合　計");
    EXPECT_NEAR(totals[0].left, 18, 1e-9);
    expectPlaced({totals.begin() + 1, totals.end()},
                 {{"4", 0, 33}, {"4,000", 0, 46}, {"4", 0, 52}, {"1,234,667", 0, 65}, {"8", 0, 72},
                  {"1,238,667", 0, 87}},
                 true);

    // The thirteen ruled lines in their order; the bottom is 1.2 * 3 + 7.4.
    const double b = 11.0;
    expectRules(page, {{1, 10, 4.1, 88, 4.1}, {1, 10, 7.05, 88, 7.05}, {1, 10, 8.25, 88, 8.25},
                       {1, 34, 4.1, 34, b}, {1, 53, 4.1, 53, b}, {1, 73, 4.1, 73, b},
                       {3, 10, 5.7, 88, 5.7}, {3, 10, 9.5, 88, 9.5},
                       {3, 16, 2.6, 16, b}, {3, 28, 2.6, 28, b}, {3, 47, 2.6, 47, b}, {3, 66, 2.6, 66, b},
                       {6, 10, 2.6, 88, 2.6}, {6, 10, b, 88, b}, {6, 10, 2.6, 10, b}, {6, 88, 2.6, 88, b}});

    // A print to a PDF file would offer the data folder first.
    EXPECT_FALSE(shared().DataFolder.text().empty());
    EXPECT_EQ(rec.recordingPrinter().pdfFolder().toStdString(), shared().DataFolder.text());

    // The print changed nothing of the tally's state.
    EXPECT_EQ(tally().KeyCount.num(), 3);
    EXPECT_EQ(shared().ReturnFlag.num(), 1);   // from "戻る" only
}

TEST_F(ResultListPrintTest, PagesByKeysPerPage)
{
    struct Case {
        int keys, perPage;
        std::vector<int> rowsPerPage;   // key rows of each page
    } cases[] = {
        {40, 40, {40}}, {41, 40, {40, 1}}, {41, 10, {10, 10, 10, 10, 1}}, {10, 10, {10}}, {3, 40, {3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.keys) + " keys, " + std::to_string(c.perPage) + " a page");
        computeKeys(c.keys);
        // 40 a page through the list's toolbar; 10 as the tally form's menu asks.
        if (c.perPage == 40)
            printFromList();
        else
            printDirect(c.perPage);
        const auto& doc = lastDocument();
        const int pages = int(c.rowsPerPage.size());
        ASSERT_EQ(int(doc.pages.size()), pages);
        int key = 0;
        for (int p = 0; p < pages; ++p) {
            SCOPED_TRACE(p + 1);
            const PrintPage& page = doc.pages[std::size_t(p)];
            const int n = c.rowsPerPage[std::size_t(p)];
            EXPECT_EQ(textsAt(page, 1.5).at(0).text, QString("PG: %1/%2").arg(p + 1).arg(pages));
            // First and last key rows of the page, numbered on from the page before.
            EXPECT_EQ(textsAt(page, 6.0).at(0).text, QString::number(key + 1));
            EXPECT_EQ(textsAt(page, 1.2 * n + 4.8).at(0).text, QString::number(key + n));
            key += n;
            const auto foot = textsAt(page, 1.2 * n + 6.2);
            ASSERT_FALSE(foot.empty());
            EXPECT_EQ(foot[0].text, p + 1 < pages ? "NextPage↓" : "合　計");
            EXPECT_NEAR(foot[0].left, 18, 1e-9);
            if (p + 1 < pages) {
                EXPECT_EQ(foot.size(), 1u);
            }
            // Thin row lines: n - 1; the bottom frame at 1.2 n + 7.4.
            const auto rules = rulesOf(page);
            EXPECT_EQ(rules.size(), std::size_t(12 + n - 1));
            EXPECT_NEAR(rules.at(rules.size() - 3).y1, 1.2 * n + 7.4, 1e-9);
        }
        EXPECT_EQ(key, c.keys);
    }
}

TEST_F(ResultListPrintTest, WithoutKeysTheListPrintsOnePageOfZeroPages)
{
    compute(7, {{{0, 4, 800}}});
    ASSERT_EQ(tally().KeyCount.num(), 0);
    printFromList();
    const auto& doc = lastDocument();
    ASSERT_EQ(doc.pages.size(), 1u);
    const PrintPage& page = doc.pages[0];
    EXPECT_EQ(textsAt(page, 1.5).at(0).text, "PG: 1/0");
    EXPECT_EQ(textsAt(page, 3.0).at(0).text, "7月度");
    const auto foot = textsAt(page, 6.2);
    ASSERT_EQ(foot.size(), 5u);
    EXPECT_EQ(foot[0].text, "合　計");
    EXPECT_NEAR(foot[0].left, 18, 1e-9);
    EXPECT_EQ(foot[2].text, "800");
    EXPECT_NEAR(foot[2].right, 46, 1e-9);
    const auto rules = rulesOf(page);
    ASSERT_EQ(rules.size(), 12u);   // no thin row lines, one month
    EXPECT_NEAR(rules[4].y1, 5.9, 1e-9);  // rule under the (absent) last key row
    EXPECT_NEAR(rules[9].y1, 7.4, 1e-9);  // bottom frame
}

TEST_F(ResultListPrintTest, TwoDigitPageNumbersAndTheMonthOfTheLastCompute)
{
    computeKeys(115);
    // A period entered anew after the compute: the print keeps to the table.
    tally().MonthCount = 3;
    tally().MonthNo.redim(3);
    const auto& doc = printDirect(10);
    ASSERT_EQ(doc.pages.size(), 12u);
    EXPECT_EQ(textsAt(doc.pages[9], 1.5).at(0).text, "PG: 10/12");
    EXPECT_NEAR(textsAt(doc.pages[9], 1.5).at(0).left, 19 + 39, 1e-9);   // one month
    EXPECT_EQ(textsAt(doc.pages[11], 6.0).at(0).text, "111");
}

TEST_F(ResultListPrintTest, AFailedPrintWarnsAndLeavesTheListOpen)
{
    computeTwoMonths();
    start();
    rec.onNextModal("ICHIRAN", [&](forms::Form& f) {
        auto& list = static_cast<ICHIRAN&>(f);
        rec.recordingPrinter().failNextJob("off line");
        rec.answerNextMessage(forms::MsgResult::OK);
        forms::testing::clickToolbar(list.Toolbar2, 1);
        ASSERT_EQ(rec.messages().size(), 1u);
        EXPECT_EQ(rec.messages()[0].text, "印刷できませんでした！");
        EXPECT_EQ(rec.messages()[0].title, "Check");
        EXPECT_EQ(rec.messages()[0].icon, forms::MsgIcon::Exclamation);
        EXPECT_TRUE(list.isLoaded());
        EXPECT_EQ(list.G4.TextMatrix(1, 1), "10 ");
        forms::testing::click(list.Command1);
    });
    prog().ICHIRAN_.ShowModal();
    EXPECT_EQ(rec.beeps(), 1);
    EXPECT_EQ(documentCount(), 0u);
}

TEST_F(ResultListPrintTest, RendersAReadablePdf)
{
    computeKeys(41);
    forms::QtPrinter printer{rec, forms::QtPrinter::Target::PdfOnly};
    const QString pdf = dir.filePath("list.pdf");
    rec.answerNextFileDialog(pdf);
    ASSERT_EQ(PrintResultList(printer, tally(), 40), forms::PrintOutcome::Printed)
        << printer.errorText().toStdString();
    const QString text = pdfText(pdf);
    EXPECT_EQ(text.count(QChar('\f')), 2) << text.toStdString();
    for (const char* s : {"PG: 1/2", "PG: 2/2", "NextPage↓", "6月度", "担当者NO", "4,100"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s << "\n" << text.toStdString();
    // The totals row (the text tool writes the ideographic space as a blank).
    EXPECT_TRUE(text.contains(QRegularExpression("合\\s+計\\s+41\\s+86,100\\s+41\\s+86,100"))) << text.toStdString();
}

} // namespace
} // namespace sumlet::testing
