// The result list on paper: positions of the worked two-month example, page
// breaks at 10 and 40 keys a page, the page without keys, the PDF.
#include "tally_print_fixture.h"

#include <QRegularExpression>
#include <algorithm>

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
    EXPECT_EQ(page.items.at(0).text, " ");
    EXPECT_EQ(page.items.at(0).fontName, "ＭＳ 明朝");
    EXPECT_EQ(page.items.at(1).fontName, "ＭＳ ゴシック");
    EXPECT_EQ(page.items.at(1).fontSize, 9.5);

    // Headings by their left edges.
    EXPECT_EQ(placed(page, 1.5), QStringList{"PG: 1/1@77"});
    EXPECT_EQ(placed(page, 3.0), (QStringList{"4月度@35.5", "5月度@54.5", "合　　計@74"}));
    EXPECT_EQ(placed(page, 4.5), (QStringList{"NO@13", "担当者NO@18", "件数@29", "金 額@39", "件数@48", "金 額@58",
                                              "件数@68", "金 額@79"}));
    // Key rows by their right edges; key 20 has nothing in April, key 30 nothing in May.
    EXPECT_EQ(placed(page, 6.0, true),
              (QStringList{"1@15", "10@25", "3@33", "2,000@46", "1@52", "100@65", "4@72", "2,100@87"}));
    EXPECT_EQ(placed(page, 7.2, true),
              (QStringList{"2@15", "20@25", "3@52", "1,234,567@65", "3@72", "1,234,567@87"}));
    EXPECT_EQ(placed(page, 8.4, true), (QStringList{"3@15", "30@25", "1@33", "2,000@46", "1@72", "2,000@87"}));
    // The totals row on the foot line 1.2 * 3 + 6.2.
    EXPECT_EQ(placed(page, 9.8).at(0), "合　計@18");
    EXPECT_EQ(placed(page, 9.8, true).mid(1),
              (QStringList{"4@33", "4,000@46", "4@52", "1,234,667@65", "8@72", "1,238,667@87"}));

    // The thirteen ruled lines in their order; the bottom is 1.2 * 3 + 7.4 = 11.
    EXPECT_EQ(rules(page), (QStringList{"1:10,4.1-88,4.1", "1:10,7.05-88,7.05", "1:10,8.25-88,8.25",
                                        "1:34,4.1-34,11", "1:53,4.1-53,11", "1:73,4.1-73,11",
                                        "3:10,5.7-88,5.7", "3:10,9.5-88,9.5", "3:16,2.6-16,11", "3:28,2.6-28,11",
                                        "3:47,2.6-47,11", "3:66,2.6-66,11", "6:10,2.6-88,2.6", "6:10,11-88,11",
                                        "6:10,2.6-10,11", "6:88,2.6-88,11"}));

    // A print to a PDF file would offer the data folder first.
    EXPECT_FALSE(shared().DataFolder.text().empty());
    EXPECT_EQ(rec.recordingPrinter().pdfFolder().toStdString(), shared().DataFolder.text());
    EXPECT_EQ(tally().KeyCount.num(), 3);
}

TEST_F(ResultListPrintTest, PagesByKeysPerPage)
{
    struct Case {
        int keys, perPage;
    } cases[] = {{40, 40}, {41, 40}, {41, 10}, {10, 10}, {3, 40}, {115, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.keys) + " keys, " + std::to_string(c.perPage) + " a page");
        computeKeys(c.keys);
        // 40 a page through the list's toolbar; 10 as the tally form's menu asks.
        if (c.perPage == 40)
            printFromList();
        else
            PrintResultList(rec.recordingPrinter(), tally(), c.perPage);
        const auto& doc = lastDocument();
        const int pages = (c.keys + c.perPage - 1) / c.perPage;
        ASSERT_EQ(int(doc.pages.size()), pages);
        int key = 0;
        for (int p = 0; p < pages; ++p) {
            SCOPED_TRACE(p + 1);
            const PrintPage& page = doc.pages[std::size_t(p)];
            const int n = std::min(c.perPage, c.keys - key);
            EXPECT_EQ(placed(page, 1.5).at(0), QString("PG: %1/%2@58").arg(p + 1).arg(pages));
            // First and last key rows of the page, numbered on from the page before.
            EXPECT_EQ(placed(page, 6.0, true).at(0), QString("%1@15").arg(key + 1));
            EXPECT_EQ(placed(page, 1.2 * n + 4.8, true).at(0), QString("%1@15").arg(key + n));
            key += n;
            const QStringList foot = placed(page, 1.2 * n + 6.2);
            EXPECT_EQ(p + 1 < pages ? foot : foot.mid(0, 1), QStringList{p + 1 < pages ? "NextPage↓@18" : "合　計@18"});
            // Thin row lines: n - 1; the bottom frame at 1.2 n + 7.4.
            const QStringList r = rules(page);
            EXPECT_EQ(r.size(), 12 + n - 1);
            EXPECT_EQ(r.at(r.size() - 3), QString("6:10,%1-69,%1").arg(num(1.2 * n + 7.4)));
        }
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
    EXPECT_EQ(placed(page, 1.5), QStringList{"PG: 1/0@58"});
    EXPECT_EQ(placed(page, 3.0).at(0), "7月度@35.5");
    EXPECT_EQ(placed(page, 6.2, true).mid(1), (QStringList{"4@33", "800@46", "4@53", "800@68"}));
    EXPECT_EQ(rules(page).mid(3, 2), (QStringList{"3:10,5.7-69,5.7", "3:10,5.9-69,5.9"}));
    EXPECT_EQ(rules(page).size(), 12);
    EXPECT_EQ(rules(page).at(9), "6:10,7.4-69,7.4");
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
