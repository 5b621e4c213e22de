// The adding machine's entry line: one amount, or two amounts with one
// operator, read into one value.
#pragma once

#include <string>
#include <string_view>

namespace sumlet {

struct EntryParse {
    bool ok = false;       // false: division by zero or a value beyond the double range
    double value = 0.0;    // the value to record
    std::string entryText; // the line without its leading minus
};

// Reads a confirmed line. A leading "-" is taken off as the sign of the left
// operand. Then the two-character operators "+-", "-+" (a - b) and "--", "++"
// (a + b) are looked for in this order, then "*", "/", "+", "-"; the first
// that occurs (by that order, not by position) splits the line at its first
// occurrence. Operands are read as Val reads them (so a second operator ends
// an operand). A line without an operator is its Val.
//   "5+-3" -> 2, "-5+-3" -> -8, "5--3" -> 8, "5/-2" -> -2.5, "--5" -> -5,
//   "5*" -> 0, "" -> 0, "2+3*4" -> 8, "1,000" -> 1, "1/0" -> not ok
EntryParse parseEntryLine(std::string_view line);

// The echo of the entry line while it is typed: a text that reads as a
// number in the pattern "#,0.######", anything else (and any text holding
// "/" or "-") as typed.
std::string entryEcho(std::string_view line);

} // namespace sumlet
