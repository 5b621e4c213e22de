// Number format patterns: Format(value, pattern).
#pragma once

#include <string>
#include <string_view>

namespace runtime {

// Shows a number by a pattern: "0" a digit always shown, "#" a digit shown
// only where significant, "," between digit places turns on thousands
// separators every three integer digits, "." places the decimal point (it
// stays also when no decimal follows), any other character is copied where it
// stands. The value is first taken to 15 significant digits, then rounded half
// away from zero to the pattern's decimal places ("0" and "#" after the point);
// optional trailing decimals ("#") are dropped. A negative value gets a
// leading minus, but a value that rounds to zero shows without one
// (Format(-0.4, "0") = "0").
//   Format(1000, "#,0.######") = "1,000."     Format(0.1234567, "#,0.###### ") = "0.123457 "
//   Format(-30, "#,0.###### ") = "-30. "      Format(0, "# ") = " "
//   Format(12.5, "#0 ") = "13 "               Format(-1500, "#,0 ") = "-1,500 "
//   Format(61, "####0:") = "61:"              Format(1.005, "0.00") = "1.01"
// Huge values show all their integer digits (digits past the 15th are 0).
// A non-finite value never crashes: "1.#INF", "-1.#INF", "1.#QNAN".
// An empty pattern gives the value's text without leading blank (fileNumber).
std::string Format(double value, std::string_view pattern);

// Format applied to a text, as the keypad display and the adding machine's
// echo do: a text that reads as a number (localeNumber) is shown as that
// number in the pattern; any other text (empty, ".", " ") is returned unchanged.
std::string formatText(std::string_view text, std::string_view pattern);

} // namespace runtime
