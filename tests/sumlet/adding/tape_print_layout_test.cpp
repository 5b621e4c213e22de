// Layout of the printed tape: columns, pages, heading and line numbers.
#include "sumlet/adding/tape.h"
#include "sumlet/adding/tape_print_layout.h"

#include <gtest/gtest.h>

namespace sumlet {
namespace {

AddingTape tapeOfCount(int n)
{
    AddingTape t;
    t.create(AddingTape::Capacity);
    for (int k = 1; k <= n; ++k)
        t.record(k * 1000.5);
    return t;
}

// Format(k * 1000.5, "#,0.######") for the entries looked at.
std::string valueText(int k)
{
    switch (k) {
    case 1: return "1,000.5";
    case 60: return "60,030.";
    case 61: return "61,030.5";
    case 120: return "120,060.";
    case 121: return "121,060.5";
    case 181: return "181,090.5";
    case 240: return "240,120.";
    case 241: return "241,120.5";
    default: return "?";
    }
}

struct Where {
    int entry, page, column, line;
    double numberLeft, valueLeft, down;
};

TEST(TapePrintLayout, PlacesEntriesInFourColumnsOfSixtyAPage)
{
    struct Case {
        int count;
        std::size_t pages;
        std::vector<Where> where;
    };
    const Case cases[] = {
        {61, 1, {{1, 0, 0, 1, 7, 16, 4.2}, {60, 0, 0, 60, 7, 16, 75}, {61, 0, 1, 1, 34, 43, 4.2}}},
        {240, 1, {{120, 0, 1, 60, 34, 43, 75}, {121, 0, 2, 1, 61, 70, 4.2}, {181, 0, 3, 1, 88, 97, 4.2},
                  {240, 0, 3, 60, 88, 97, 75}}},
        {241, 2, {{240, 0, 3, 60, 88, 97, 75}, {241, 1, 0, 1, 7, 16, 4.2}}},
    };
    for (const auto& c : cases) {
        AddingTape t = tapeOfCount(c.count);
        for (bool numbers : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.count << " values, numbers " << numbers);
            auto layout = layoutTapePrint(t, numbers);
            ASSERT_EQ(layout.pages.size(), c.pages);
            std::size_t lines = 0;
            for (const auto& p : layout.pages) {
                EXPECT_EQ(p.heading, layout.pages[0].heading);
                lines += p.lines.size();
            }
            EXPECT_EQ(lines, static_cast<std::size_t>(c.count));
            for (const auto& w : c.where) {
                const auto& page = layout.pages[static_cast<std::size_t>(w.page)];
                const TapePrintLine* found = nullptr;
                for (const auto& l : page.lines)
                    if (l.entry == w.entry)
                        found = &l;
                ASSERT_NE(found, nullptr) << "entry " << w.entry;
                EXPECT_EQ(found->column, w.column) << "entry " << w.entry;
                EXPECT_EQ(found->line, w.line) << "entry " << w.entry;
                EXPECT_DOUBLE_EQ(found->down, w.down) << "entry " << w.entry;
                EXPECT_DOUBLE_EQ(found->numberLeft, w.numberLeft) << "entry " << w.entry;
                EXPECT_DOUBLE_EQ(found->valueLeft, w.valueLeft) << "entry " << w.entry;
                EXPECT_EQ(found->number, numbers ? std::to_string(w.entry) + ":" : "");
                EXPECT_EQ(found->value, valueText(w.entry)) << "entry " << w.entry;
            }
        }
    }
}

TEST(TapePrintLayout, HeadingShowsWholeTapeCountAndTotal)
{
    AddingTape t = tapeOfCount(241);
    auto layout = layoutTapePrint(t, true);
    EXPECT_EQ(layout.pages[1].heading, "件数: 241 件　　　合計：29,175,580.5");
    EXPECT_EQ(layout.pages[1].lines.front().value, "241,120.5");

    AddingTape empty;
    auto one = layoutTapePrint(empty, true);
    ASSERT_EQ(one.pages.size(), 1u);
    EXPECT_TRUE(one.pages[0].lines.empty());
    EXPECT_EQ(one.pages[0].heading, "件数: 0 件　　　合計：0.");
}

} // namespace
} // namespace sumlet
