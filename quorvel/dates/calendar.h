// The calendar of the day-count window: day numbers, the Japanese eras,
// weekdays, the twelve animal signs and the date patterns the window shows.
// Plain code: std::chrono's proleptic Gregorian calendar, nothing of Qt.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel::dates {

using Date = std::chrono::year_month_day;

// Dates the window can hold: 1000-01-01 to 9999-12-31.
bool inRange(const Date& d);

// Reads "yyyy/mm/dd" strictly: four digits, "/", two digits, "/", two digits,
// a day that exists, inside the range. Anything else gives nothing.
std::optional<Date> readDate(std::string_view text);

// Days since 1970-01-01 (negative before).
long long dayNumber(const Date& d);
// The date n whole days after d (before when n is negative); nothing when it
// leaves the range or n is not finite.
std::optional<Date> addDays(const Date& d, double n);
// Calendar days from a to b: 1 for consecutive days, negative when b is earlier.
long long daysBetween(const Date& a, const Date& b);

// The date as the number yyyymmdd (2008/08/05 is 20080805).
double dateNumber(const Date& d);

struct Era {
    const char* name;   // 明治 ...
    Date first;         // first day of the era
};
// The era a date lies in; nothing before 1868-01-01.
const Era* eraOf(const Date& d);
// Year within the era (1 in the era's first year).
int eraYear(const Era& e, const Date& d);

// 日曜日 ... 土曜日.
std::string weekdayName(const Date& d);

// Sign number of a year (0 申 ... 11 未) and its character.
int signNumber(long long year);
std::string signOf(long long year);

// Writes a date by a pattern: "yyyy" year, "mm" month, "dd" day (two digits),
// "ggg" era name, "ee" era year (two digits at least), "aaaa" weekday name;
// any other character is copied. A pattern with an era part gives "" for a
// date before the first era.
//   formatDate(2008-08-05, "ggg ee年mm月dd日") = "平成 20年08月05日"
std::string formatDate(const Date& d, std::string_view pattern);

// Whole years between two dates given as yyyymmdd numbers; the anniversary
// itself counts as a full year.
long long wholeYears(double from, double to);

// Today's date in the local time zone.
Date localToday();

} // namespace quorvel::dates
