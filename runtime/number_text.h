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
// stops at the first other character (a comma too: "1,000" reads 1); no number
// gives 0. Val(" 1 2") = 12, Val("&H1F") = 31, Val("1e999") is an overflow.
ValResult Val(std::string_view text);

// Val, with an overflow read as 0.
double valOr0(std::string_view text);

// The locale's number conversion of a whole text ("reads as a number"):
// blanks around it, a leading sign, digits with comma thousands separators
// before the point, one point, an E/D exponent. Anything else left over, an
// empty text or an overflow gives nullopt. " 1,234.5 " -> 1234.5; "1,000 " -> 1000.
std::optional<double> localeNumber(std::string_view text);
inline bool readsAsNumber(std::string_view text) { return localeNumber(text).has_value(); }

// A grid cell read back as a whole number: the locale conversion of the text,
// rounded half away from zero; empty (or not a number) gives 0. "1,500 " -> 1500.
double cellWholeNumber(std::string_view text);

// Rounds half away from zero to `places` decimals after first taking the value
// to 15 significant digits (the rounding that Format uses). roundHalfAway(2.5) = 3.
double roundHalfAway(double value, int places = 0);

// The number's text for the user: a leading blank when not negative, "-"
// otherwise, at most 15 significant digits, no 0 before the point
// (Str(0.5) = " .5", Str(-0.5) = "-.5"), and the E form with a sign and at least
// two exponent digits when the decimal exponent is 15 or more or below -4
// (" 1E+15", " 1E-05", "-1.5E-07"). Non-finite: " 1.#INF", "-1.#INF", " 1.#QNAN".
std::string Str(double value);

// The number's text in a sequential file: plain decimal with "." as point, no
// separators or blanks, "0" before a point ("0.5", "-0.25"); whole numbers
// below 2^53 in magnitude with all their digits ("9007199254740991"); other
// values with at most 15 significant digits, in the E form of Str when the
// decimal exponent is 15 or more or below -4 ("1.5E-07", "1E+20").
std::string fileNumber(double value);

// Same as fileNumber (the text a number cell gives where a text is needed).
std::string shortestText(double value);

} // namespace runtime
