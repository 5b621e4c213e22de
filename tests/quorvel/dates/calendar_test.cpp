// The calendar against known calendar facts, and against a day-by-day model
// of the Gregorian calendar written here.
#include "quorvel/dates/calendar.h"
#include "quorvel/dates/date_entry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace quorvel::dates;
using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

namespace {

Date ymd(int y, unsigned m, unsigned d) { return Date{year{y}, month{m}, day{d}}; }

Date parse(const char* text)
{
    const auto d = readDate(text);
    EXPECT_TRUE(d.has_value()) << text;
    return d.value_or(Date{});
}

} // namespace

TEST(Calendar, WeekdaysErasAndSigns)
{
    struct Row {
        const char* date;
        const char* weekday;
        const char* era;   // "ggg ee年mm月dd日"
        const char* sign;
    };
    const Row rows[] = {
        {"2008/08/05", "火曜日", "平成 20年08月05日", "子"},
        {"1989/01/07", "土曜日", "昭和 64年01月07日", "巳"},
        {"1989/01/08", "日曜日", "平成 01年01月08日", "巳"},
        {"2019/04/30", "火曜日", "平成 31年04月30日", "亥"},
        {"2019/05/01", "水曜日", "令和 01年05月01日", "亥"},
        {"2024/02/29", "木曜日", "令和 06年02月29日", "辰"},
        {"1912/07/29", "月曜日", "明治 45年07月29日", "子"},
        {"1912/07/30", "火曜日", "大正 01年07月30日", "子"},
        {"1926/12/24", "金曜日", "大正 15年12月24日", "寅"},
        {"1926/12/25", "土曜日", "昭和 01年12月25日", "寅"},
        {"1868/01/01", "水曜日", "明治 01年01月01日", "辰"},
        {"1867/12/31", "火曜日", "", "卯"},          // before the first era
        {"2120/03/01", "金曜日", "令和 102年03月01日", "辰"}, // all the era year's digits
        {"1900/01/01", "月曜日", "明治 33年01月01日", "子"},
        {"2000/01/01", "土曜日", "平成 12年01月01日", "辰"},
    };
    for (const Row& r : rows) {
        const Date d = parse(r.date);
        EXPECT_EQ(formatDate(d, "aaaa"), r.weekday) << r.date;
        EXPECT_EQ(formatDate(d, "ggg ee年mm月dd日"), r.era) << r.date;
        EXPECT_EQ(signOf(static_cast<int>(d.year())), r.sign) << r.date;
        EXPECT_EQ(formatDate(d, "yyyy/mm/dd "), std::string(r.date) + " ") << r.date;
    }
    EXPECT_EQ(signNumber(2008), 4);
    EXPECT_EQ(signNumber(2024), 8);
}

TEST(Calendar, StrictReading)
{
    struct Row {
        const char* text;
        bool real;
    };
    const Row rows[] = {
        {"2000/02/29", true},  {"1900/02/29", false}, {"2100/02/29", false}, {"2024/02/29", true},
        {"2008/02/30", false}, {"2008/04/31", false}, {"2008/04/30", true},  {"2008/13/01", false},
        {"2008/00/10", false}, {"2008/01/00", false}, {"2008/12/31", true},  {"2008/4/05", false},
        {"2008-08-05", false}, {"2008/08/05 ", false}, {"", false},          {"2e7+/01/01", false},
        {"0999/12/31", false}, {"1000/01/01", true},  {"9999/12/31", true},  {" 2008/08/0", false},
        {"２００８/08/05", false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(readDate(r.text).has_value(), r.real) << r.text;
}

TEST(Calendar, DayCountsWholeYearsAndDatesAfter)
{
    EXPECT_EQ(daysBetween(parse("1900/01/01"), parse("2000/01/01")), 36524);
    EXPECT_EQ(daysBetween(parse("2000/02/29"), parse("2001/02/28")), 365);
    EXPECT_EQ(daysBetween(parse("2000/02/29"), parse("2001/03/01")), 366);
    EXPECT_EQ(daysBetween(parse("2008/08/05"), parse("2008/08/04")), -1);
    EXPECT_EQ(daysBetween(parse("2008/08/05"), parse("2008/08/05")), 0);

    struct Years {
        double from, to;
        long long whole;
    };
    const Years years[] = {
        {20000805, 20080805, 8}, {20000805, 20080804, 7}, {20000229, 20010228, 0},
        {20000229, 20010301, 1}, {20080805, 20080804, -1}, {20080805, 20080805, 0},
        {19000101, 20000101, 100}, {20190501, 20460916, 27},
    };
    for (const Years& y : years)
        EXPECT_EQ(wholeYears(y.from, y.to), y.whole) << y.from << " " << y.to;

    struct After {
        const char* start;
        double n;
        const char* result; // "" when out of range
    };
    const After after[] = {
        {"2019/05/01", 10000, "2046/09/16"}, {"2008/08/05", 100, "2008/11/13"},
        {"2008/08/05", -30, "2008/07/06"},   {"2008/08/05", 0, "2008/08/05"},
        {"2100/12/31", 7000, "2120/03/01"},  {"9999/12/30", 1, "9999/12/31"},
        {"9999/12/31", 1, ""},               {"1000/01/01", -1, ""},
        {"2008/08/05", 3e6, ""},             {"2008/08/05", -1e300, ""},
        {"2008/08/05", std::numeric_limits<double>::infinity(), ""},
        {"2008/08/05", std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const After& a : after) {
        const auto d = addDays(parse(a.start), a.n);
        EXPECT_EQ(d ? dayText(*d) : std::string(), a.result) << a.start << " + " << a.n;
    }
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
// after each month's last is refused.
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

    const Date first = ymd(1000, 1, 1);
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
    EXPECT_FALSE(addDays(first, static_cast<double>(i)).has_value());
}
