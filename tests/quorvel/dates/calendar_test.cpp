// The calendar against a day-by-day model of the Gregorian calendar written
// here; the calendar facts of the window's labels are checked through the
// window itself (hizuke_form_test).
#include "quorvel/dates/calendar.h"
#include "quorvel/dates/date_entry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

using namespace quorvel::dates;
using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

// Texts that are no "yyyy/mm/dd" date; the real and unreal days of the
// calendar are walked by the model below.
TEST(Calendar, StrictReading)
{
    for (const char* text : {"2008/13/01", "2008/00/10", "2008/01/00", "2008/4/05", "2008-08-05", "2008/08/05 ", "",
                             "2e7+/01/01", "0999/12/31", " 2008/08/0", "２００８/08/05", "1900/02/29"})
        EXPECT_FALSE(readDate(text).has_value()) << text;
    EXPECT_TRUE(readDate("2000/02/29").has_value());
}

TEST(Calendar, LeadingValue)
{
    struct Row {
        const char32_t* text;
        double value;
        bool overflow;
    };
    const Row rows[] = {
        {U"-30", -30, false},  {U"  12.5x", 12.5, false}, {U"1 000", 1, false},  {U"&H10", 0, false},
        {U"", 0, false},       {U"abc", 0, false},        {U"2e3", 2000, false}, {U"+.5", 0.5, false},
        {U"1e999", 0, true},   {U"１２", 0, false},        {U"7D2", 700, false},
    };
    for (const Row& r : rows) {
        const auto v = leadingValue(r.text);
        EXPECT_EQ(v.overflow, r.overflow);
        if (!r.overflow) {
            EXPECT_EQ(v.value, r.value);
        }
    }
}

// Every day from 1000-01-01 to 9999-12-31 walked with our own month lengths
// and leap rule: each reads back, numbers one more than the day before, has
// Zeller's weekday and is reached by adding days to the first one; the day
// after each month's last is refused, and no addition leaves the range.
TEST(Calendar, AgreesWithADayByDayModel)
{
    auto leap = [](int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; };
    auto length = [&](int y, int m) {
        static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        return m == 2 && leap(y) ? 29 : days[m - 1];
    };
    auto zeller = [](int y, int m, int d) { // 0 Saturday .. 6 Friday
        if (m < 3) {
            m += 12;
            --y;
        }
        const int k = y % 100, j = y / 100;
        return (d + 13 * (m + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;
    };
    static const char* const names[] = {"土曜日", "日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日"};

    const Date first{year{1000}, month{1}, day{1}};
    const long long base = dayNumber(first);
    long long i = 0;
    int failures = 0;
    char text[48];
    for (int y = 1000; y <= 9999 && failures < 5; ++y)
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= length(y, m); ++d, ++i) {
                std::snprintf(text, sizeof text, "%04d/%02d/%02d", y, m, d);
                const auto got = readDate(text);
                const bool ok = got && dayNumber(*got) == base + i && weekdayName(*got) == names[zeller(y, m, d)] &&
                                addDays(first, static_cast<double>(i)) == got && dayText(*got) == text &&
                                dateNumber(*got) == y * 10000.0 + m * 100 + d;
                if (!ok && ++failures <= 5)
                    ADD_FAILURE() << "model disagrees at " << text;
            }
            std::snprintf(text, sizeof text, "%04d/%02d/%02d", y, m, length(y, m) + 1);
            if (length(y, m) < 31 && readDate(text) && ++failures <= 5)
                ADD_FAILURE() << "accepted " << text;
        }
    EXPECT_EQ(i, 3287182);
    const Date last{year{9999}, month{12}, day{31}};
    EXPECT_EQ(daysBetween(first, last), i - 1);
    // Nothing outside the range, and no number of days that is no number.
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    struct Out {
        Date from;
        double n;
    };
    for (const Out& o : {Out{last, 1}, Out{first, -1}, Out{first, 1e300}, Out{last, -1e300}, Out{first, inf},
                         Out{first, -inf}, Out{first, nan}})
        EXPECT_FALSE(addDays(o.from, o.n).has_value()) << dayText(o.from) << " + " << o.n;
}
