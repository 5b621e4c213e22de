// What the day-count window stores, and the checks of a typed date.
#pragma once

#include "quorvel/dates/calendar.h"
#include "runtime/number_text.h"

#include <functional>
#include <string>
#include <string_view>

namespace quorvel::dates {

// The window's public values; they live as long as the program.
struct DateValues {
    std::string DAY1;   // start date "yyyy/mm/dd", or empty
    std::string DAY2;   // calculation date
    double DDD1 = 0;    // start date as yyyymmdd, 0 when not entered
    double DDD2 = 0;
    double KEIKA = 0;   // elapsed days
    void clear()
    {
        DAY1.clear();
        DAY2.clear();
        DDD1 = DDD2 = KEIKA = 0;
    }

    // Where today's date comes from (tests set a fixed day).
    std::function<Date()> today = localToday;
};

// The value of a text's leading number: blanks skipped, a sign, digits, one
// point, an exponent; 0 when there is none. Overflow is reported.
runtime::ValResult leadingValue(std::u32string_view text);
double leadingValueOr0(std::u32string_view text);

struct EntryOutcome {
    enum class Kind { Accept, Refuse, NoSuchDay };
    Kind kind = Kind::Refuse;
    std::string message;   // Refuse: the warning
    Date date{};           // Accept
};

// A date typed into a box ("20080805" or an era letter and six digits),
// checked in order; calcSide adds the order checks against startNumber.
EntryOutcome checkDateEntry(std::u32string_view box, bool calcSide, double startNumber);

// "yyyy/mm/dd" of a date.
std::string dayText(const Date& d);

} // namespace quorvel::dates
