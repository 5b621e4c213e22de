// The period boxes: accepted periods, the month list and the refusals.
#include "tally_fixture.h"

namespace sumlet::testing {
namespace {

using forms::testing::typeText;

const char* const Month = "月が違います！";
const char* const SixMonths = "６ｹ月以内！";

TEST_F(TallyTest, PeriodsAndTheirMonthLists)
{
    struct Case {
        const char *start, *end;
        const char* warning;           // nullptr: accepted
        std::vector<double> months;    // MonthNo 1..MonthCount when accepted
        const char *label2, *label3;
    };
    const Case cases[] = {
        {"4", "9", nullptr, {4, 5, 6, 7, 8, 9}, "4 ", "9 "},
        {"4", "10", SixMonths, {}, "4 ", ""},
        {"10", "3", nullptr, {10, 11, 12, 1, 2, 3}, "10 ", "3 "},
        {"10", "4", SixMonths, {}, "10 ", ""},
        {"12", "5", nullptr, {12, 1, 2, 3, 4, 5}, "12 ", "5 "},
        {"5", "3", SixMonths, {}, "5 ", ""},
        {"7", "7", nullptr, {7}, "7 ", "7 "},
        {"10", "13", nullptr, {10, 11, 12, 1}, "10 ", "13 "},
        {"8", "", nullptr, {8, 9, 10, 11, 12}, "8 ", " "},
        {"6", "", SixMonths, {}, "6 ", ""},
        {"12", "12", nullptr, {12}, "12 ", "12 "},
        // Refused end months: fewer than one month, a part of a month, out of range.
        {"4", "-20", SixMonths, {}, "4 ", ""},
        {"4", "5.5", SixMonths, {}, "4 ", ""},
        {"4", "1e999", SixMonths, {}, "4 ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " to " + c.end);
        const size_t messages = rec.messages().size();
        const int beeps = rec.beeps();
        SHUKEI& f = open();
        typeText(f.Text1, QString::fromUtf8(c.start) + "\r");
        EXPECT_EQ(focus(), "Text2");
        if (c.warning)
            rec.answerNextMessage(forms::MsgResult::OK);
        typeText(f.Text2, QString::fromUtf8(c.end) + "\r");
        EXPECT_EQ(f.Text1.Text(), "");
        EXPECT_EQ(f.Text2.Text(), "");
        EXPECT_EQ(f.Label2.Caption(), c.label2);
        EXPECT_EQ(f.Label3.Caption(), c.label3);
        if (c.warning) {
            expectWarning(QString::fromUtf8(c.warning), messages);
            EXPECT_EQ(rec.beeps(), beeps + 1);
            EXPECT_EQ(focus(), "Text2");
            EXPECT_EQ(tally().MonthCount.num(), 0);
            EXPECT_FALSE(tally().MonthNo.exists());
        } else {
            EXPECT_EQ(rec.messages().size(), messages);
            EXPECT_EQ(focus(), "Combo1");
            ASSERT_EQ(tally().MonthCount.num(), double(c.months.size()));
            ASSERT_EQ(tally().MonthNo.upper(), long(c.months.size()));
            EXPECT_TRUE(tally().MonthNo.get(0).isEmpty());
            for (size_t i = 0; i < c.months.size(); ++i)
                EXPECT_EQ(tally().MonthNo.num(long(i) + 1), c.months[i]) << "month " << i + 1;
        }
        forms::testing::click(f.Command5);
    }
}

TEST_F(TallyTest, StartMonthRefusalsAndNoPeriod)
{
    struct Case {
        const char* typed;
        bool refused;
        double startAfter;
    };
    const Case cases[] = {
        {"00", true, 0}, {" ", true, 0},    {"abc", true, 0}, {"13", true, 13},
        {"4.5", true, 4.5}, {"-1", true, -1}, {"0", false, 0}, {"", false, 0},
    };
    SHUKEI& f = open();
    typeText(f.Text1, "3\r");
    typeText(f.Text2, "4\r");   // a period in force: MonthCount 2
    int warnings = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        f.Text1.SetFocus();
        if (c.refused)
            rec.answerNextMessage(forms::MsgResult::OK);
        typeText(f.Text1, QString::fromUtf8(c.typed) + "\r");
        EXPECT_EQ(f.Text1.Text(), "");
        EXPECT_EQ(tally().StartMonth.num(), c.startAfter);
        if (c.refused) {
            expectWarning(Month, size_t(warnings++));
            EXPECT_EQ(focus(), "Text1");
            EXPECT_EQ(f.Label2.Caption(), "3 ");
            EXPECT_EQ(tally().MonthCount.num(), 2);
        } else {
            EXPECT_EQ(f.Label2.Caption(), "** ");
            EXPECT_EQ(f.Label3.Caption(), "** ");
            EXPECT_EQ(tally().MonthCount.num(), 1);
            EXPECT_EQ(tally().EndMonth.num(), 0);
            EXPECT_EQ(tally().MonthNo.upper(), 1);
            EXPECT_EQ(tally().MonthNo.num(1), 0);
            EXPECT_EQ(focus(), "Combo1");
        }
    }
    EXPECT_EQ(rec.beeps(), warnings);

    // A number beyond the range is refused and leaves the start month alone.
    rec.answerNextMessage(forms::MsgResult::OK);
    typeText(f.Text1, "7\r");
    typeText(f.Text1, "1e999\r");
    expectWarning(Month, size_t(warnings));
    EXPECT_EQ(tally().StartMonth.num(), 7);
    // A refused start month is what the end month is compared with.
    rec.answerNextMessage(forms::MsgResult::OK);
    typeText(f.Text1, "13\r");
    f.Text2.SetFocus();
    typeText(f.Text2, "14\r");
    EXPECT_EQ(tally().MonthCount.num(), 2);
    EXPECT_EQ(tally().MonthNo.num(1), 13);
    EXPECT_EQ(tally().MonthNo.num(2), 1);
}

} // namespace
} // namespace sumlet::testing
