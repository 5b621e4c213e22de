// Reading numbers from text and writing numbers as text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace runtime {

// Result of reading a number from text: the value, or an overflow when the
// magnitude is beyond the double range.
struct ValResult {
    double value = 0.0;
    bool overflow = false;
};

// Reads the number a text begins with: blanks, tabs and line feeds skipped
// anywhere, sign, digits with one point, E/D exponent, &H and &O prefixes;
// stops at the first other character; no number gives 0.
ValResult Val(std::string_view text);

// Val, with an overflow read as 0.
double valOr0(std::string_view text);

// Shortest plain decimal text of a number, no leading blank ("12", "-0.5", "1E+20").
// Same as the file form (see fileNumber).
std::string shortestText(double value);

} // namespace runtime
