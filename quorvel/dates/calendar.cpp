#include "quorvel/dates/calendar.h"

#include <array>
#include <cmath>
#include <ctime>

namespace quorvel::dates {

using namespace std::chrono;

namespace {

constexpr Date kFirst{year{1000}, January, day{1}};
constexpr Date kLast{year{9999}, December, day{31}};

const std::array<Era, 5> kEras{{
    {"明治", Date{year{1868}, January, day{1}}},
    {"大正", Date{year{1912}, July, day{30}}},
    {"昭和", Date{year{1926}, December, day{25}}},
    {"平成", Date{year{1989}, January, day{8}}},
    {"令和", Date{year{2019}, May, day{1}}},
}};

const std::array<const char*, 7> kWeekdays{"日曜日", "月曜日", "火曜日", "水曜日",
                                           "木曜日", "金曜日", "土曜日"};

// Twelve signs, three bytes each in UTF-8.
constexpr std::string_view kSigns = "申酉戌亥子丑寅卯辰巳午未";

bool digits(std::string_view s)
{
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return !s.empty();
}

int number(std::string_view s)
{
    int n = 0;
    for (char c : s) n = n * 10 + (c - '0');
    return n;
}

std::string padded(long long n, int width)
{
    std::string s = std::to_string(n);
    if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), '0');
    return s;
}

} // namespace

bool inRange(const Date& d) { return d.ok() && d >= kFirst && d <= kLast; }

std::optional<Date> readDate(std::string_view t)
{
    if (t.size() != 10 || t[4] != '/' || t[7] != '/') return std::nullopt;
    const auto y = t.substr(0, 4), m = t.substr(5, 2), dd = t.substr(8, 2);
    if (!digits(y) || !digits(m) || !digits(dd)) return std::nullopt;
    const Date d{year{number(y)}, month{static_cast<unsigned>(number(m))},
                 day{static_cast<unsigned>(number(dd))}};
    if (!inRange(d)) return std::nullopt;
    return d;
}

long long dayNumber(const Date& d) { return sys_days{d}.time_since_epoch().count(); }

std::optional<Date> addDays(const Date& d, double n)
{
    // The whole range spans fewer than 3.3 million days.
    if (!(n >= -4e6 && n <= 4e6)) return std::nullopt;
    const Date r{sys_days{d} + days{static_cast<long long>(n)}};
    if (!inRange(r)) return std::nullopt;
    return r;
}

long long daysBetween(const Date& a, const Date& b) { return dayNumber(b) - dayNumber(a); }

double dateNumber(const Date& d)
{
    return static_cast<int>(d.year()) * 10000.0 + static_cast<unsigned>(d.month()) * 100.0 +
           static_cast<unsigned>(d.day());
}

const Era* eraOf(const Date& d)
{
    const Era* found = nullptr;
    for (const Era& e : kEras)
        if (d >= e.first) found = &e;
    return found;
}

int eraYear(const Era& e, const Date& d)
{
    return static_cast<int>(d.year()) - static_cast<int>(e.first.year()) + 1;
}

std::string weekdayName(const Date& d) { return kWeekdays[weekday{sys_days{d}}.c_encoding()]; }

int signNumber(long long y) { return static_cast<int>(((y % 12) + 12) % 12); }

std::string signOf(long long y) { return std::string(kSigns.substr(signNumber(y) * 3, 3)); }

std::string formatDate(const Date& d, std::string_view p)
{
    const Era* era = eraOf(d);
    std::string out;
    for (std::size_t i = 0; i < p.size();) {
        const std::string_view rest = p.substr(i);
        if (rest.starts_with("yyyy")) {
            out += padded(static_cast<int>(d.year()), 4);
            i += 4;
        } else if (rest.starts_with("aaaa")) {
            out += weekdayName(d);
            i += 4;
        } else if (rest.starts_with("ggg")) {
            if (!era) return {};
            out += era->name;
            i += 3;
        } else if (rest.starts_with("ee")) {
            if (!era) return {};
            out += padded(eraYear(*era, d), 2);
            i += 2;
        } else if (rest.starts_with("mm")) {
            out += padded(static_cast<unsigned>(d.month()), 2);
            i += 2;
        } else if (rest.starts_with("dd")) {
            out += padded(static_cast<unsigned>(d.day()), 2);
            i += 2;
        } else {
            out += p[i++];
        }
    }
    return out;
}

long long wholeYears(double from, double to)
{
    const double y1 = std::floor(from / 10000), y2 = std::floor(to / 10000);
    const double md1 = from - 10000 * y1, md2 = to - 10000 * y2;
    return static_cast<long long>(y2 - y1) - (md2 < md1 ? 1 : 0);
}

Date localToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return Date{year{tm.tm_year + 1900}, month{static_cast<unsigned>(tm.tm_mon + 1)},
                day{static_cast<unsigned>(tm.tm_mday)}};
}

} // namespace quorvel::dates
