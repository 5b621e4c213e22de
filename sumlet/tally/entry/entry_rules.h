// Rules of the tally's entry side that need no window: the input hint and
// the period.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace sumlet {

// The input hint: five lines joined by CR LF. The wording differs when the
// key was taken with Enter in the key box instead of a click on an item.
QString keyHint(const QString& keyName, bool byEnter);

// The start month typed into its box.
enum class StartMonthCheck {
    NoPeriod,  // empty or exactly "0"
    Refused,   // outside 1..12, not a whole number, or beyond the number range
    Accepted,
};
StartMonthCheck checkStartMonth(const std::string& text, double value, bool overflow);

// The period from a start month and a typed end month: one to six
// consecutive months, 12 followed by 1.
struct Period {
    bool accepted = false;
    int monthCount = 0;
    std::vector<double> monthNo;   // index 1..monthCount; [0] unused
};
Period periodFor(double startMonth, double endMonth);

} // namespace sumlet
