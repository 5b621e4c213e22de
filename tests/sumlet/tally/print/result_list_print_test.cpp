// The result list on paper: positions of the worked two-month example, page
// breaks at 10 and 40 keys a page through each command, the page without keys.
#include "tally_print_fixture.h"

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
    EXPECT_EQ(placed(page, 9.8).value(0), "合　計@18");
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

TEST_F(ResultListPrintTest, PagesByKeysPerPageThroughEachCommand)
{
    // June alone, keys 1..n (count 1, amount 100 k); 0 keys from rows of key 0.
    // A failing printer first: the warning, nothing printed, then the print.
    // Stale: a period of five months and a key count of 45 set after the
    // compute; the print keeps to the table the compute built.
    enum Via { List, Toolbar, Menu };
    struct Case {
        int keys;
        Via via;
        bool failFirst, stale;
        int pages;
        QString pageCount, total;
    } cases[] = {
        {0, List, false, false, 1, "0", "4@33 800@46 4@53 800@68"},
        {40, Toolbar, true, false, 1, "1", "40@33 82,000@46 40@53 82,000@68"},
        {40, Menu, false, false, 4, "4", "40@33 82,000@46 40@53 82,000@68"},
        {41, List, true, false, 2, "2", "41@33 86,100@46 41@53 86,100@68"},
        {41, List, false, true, 2, "2", "41@33 86,100@46 41@53 86,100@68"},
        {41, Menu, true, false, 5, "5", "41@33 86,100@46 41@53 86,100@68"},
        {10, Menu, false, false, 1, "1", "10@33 5,500@46 10@53 5,500@68"},
        {115, Menu, false, false, 12, "12", "115@33 667,000@46 115@53 667,000@68"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.keys) + " keys, command " + std::to_string(c.via));
        const int perPage = c.via == Menu ? 10 : 40;
        program = std::make_unique<Program>(rec, dir.path());
        std::function<void()> print;
        SHUKEI* form = nullptr;
        if (c.via == List) {
            compute(6, {c.keys ? keyRows(c.keys) : std::vector<Row>{{0, 4, 800}}});
            if (c.stale) {
                tally().MonthCount = 5;
                tally().KeyCount = 45;
            }
            print = [&] { printFromList(); };
        } else {
            form = &openTally();
            enterMonths(6, {keyRows(c.keys)});
            computeOnForm(*form);
            print = [&, form] {
                if (c.via == Menu)
                    forms::testing::choose(form->M5);
                else
                    forms::testing::clickToolbar(form->Toolbar2, 1);
            };
        }
        const std::size_t before = documentCount();
        if (c.failFirst) {
            rec.recordingPrinter().failNextJob("offline");
            expectWarning("印刷できませんでした！", print);
            ASSERT_EQ(documentCount(), before);
        }
        print();
        ASSERT_EQ(documentCount(), before + 1);
        if (form) {   // the commands leave the tally form as it was
            EXPECT_TRUE(form->isActiveForm());
            EXPECT_EQ(shared().ReturnFlag.num(), 0);
        }
        const auto& doc = lastDocument();
        ASSERT_EQ(int(doc.pages.size()), c.pages);
        int key = 0;
        for (int p = 0; p < c.pages; ++p) {
            SCOPED_TRACE(p + 1);
            const PrintPage& page = doc.pages[std::size_t(p)];
            const int n = std::min(perPage, c.keys - key);
            EXPECT_EQ(placed(page, 1.5), QStringList{QString("PG: %1/%2@58").arg(p + 1).arg(c.pageCount)});
            EXPECT_EQ(placed(page, 3.0).value(0), "6月度@35.5");
            // First and last key rows of the page, numbered on from the page before.
            if (n > 0) {
                EXPECT_EQ(placed(page, 6.0, true).value(0), QString("%1@15").arg(key + 1));
                EXPECT_EQ(placed(page, 1.2 * n + 4.8, true).value(0), QString("%1@15").arg(key + n));
            }
            key += n;
            const double foot = 1.2 * n + 6.2;
            if (p + 1 < c.pages) {
                EXPECT_EQ(placed(page, foot), QStringList{"NextPage↓@18"});
            } else {
                EXPECT_EQ(placed(page, foot).value(0), "合　計@18");
                EXPECT_EQ(placed(page, foot, true).mid(1).join(' '), c.total);
            }
            // n - 1 thin row lines; the rule under the last row and the bottom frame.
            const QStringList r = rules(page);
            EXPECT_EQ(r.size(), 12 + std::max(n - 1, 0));
            EXPECT_EQ(r.value(r.size() - 8), QString("3:10,%1-69,%1").arg(num(1.2 * n + 5.9)));
            EXPECT_EQ(r.value(r.size() - 3), QString("6:10,%1-69,%1").arg(num(1.2 * n + 7.4)));
        }
    }
}

// 13- and 15-digit keys, 3- and 15-digit counts, 10-digit amounts: a number
// wider than its field prints in the largest quarter point that fits, its
// right edge where it belongs; the count 540 and the amount 4,958,597,967
// no longer run together. A key keeps right of its column's rule at 16,
// where the row number ends. The texts of a row: "text@right edge:size".
TEST_F(ResultListPrintTest, WideNumbersKeepToTheirFields)
{
    computeWideKeys();
    printFromList();
    const PrintPage& page = lastDocument().pages.at(0);
    const auto sized = [&](double y) { return placedSized(page, y); };
    EXPECT_EQ(sized(6.0), (QStringList{"1@15:9.5", "4901234567894@25:6.5", "540@33:9.5", "4,958,597,967@46:8.75",
                                       "999@52:9.5", "9,999,999,999@65:8.75", "1539@72:9.5",
                                       "14,958,597,966@87:9.5"}));
    EXPECT_EQ(sized(7.2), (QStringList{"2@15:9.5", "4901234567900@25:6.5", "123456789012345@33:3",
                                       "1,234,567,890@46:8.75", "123456789012345@72:3.75", "1,234,567,890@87:9.5"}));
    EXPECT_EQ(sized(8.4), (QStringList{"3@15:9.5", "123456789012345@25:5.5", "1@52:9.5", "1@65:9.5", "1@72:9.5",
                                       "1@87:9.5"}));
    EXPECT_EQ(sized(9.8).mid(1), (QStringList{"123456789012885@33:3", "6,193,165,857@46:8.75", "1000@52:9.5",
                                              "10,000,000,000@65:8", "123456789013885@72:3.75",
                                              "16,193,165,857@87:9.5"}));
    EXPECT_EQ(forms::testing::touchingTexts(page), QStringList{});
    // The size is back for the marks and the rules that follow.
    EXPECT_EQ(placed(page, 9.8).value(0), "合　計@18");
    EXPECT_EQ(rules(page).size(), 10 + 2 * 2 + 2);
}

} // namespace
} // namespace sumlet::testing
