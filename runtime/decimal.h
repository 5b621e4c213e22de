// A number as decimal digits: the common ground of Format, Str and the file
// form. Internal to the runtime library.
#pragma once

#include <string>

namespace runtime::detail {

// value = (negative ? -1 : 1) * 0.d1d2d3... * 10^pointPos; digits has no
// leading or trailing zeros; zero has no digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int pointPos = 0;

    bool isZero() const { return digits.empty(); }
    // Decimal exponent of the first digit (1234.5 -> 3).
    int exponent() const { return pointPos - 1; }
};

// The finite value taken to 15 significant digits (never -0).
Decimal toDecimal15(double value);

// Rounds half away from zero to `places` digits after the point.
void roundToPlaces(Decimal& d, int places);

// Digits before the point ("" when below 1) and after it (trailing zeros dropped).
std::string integerDigits(const Decimal& d);
std::string fractionDigits(const Decimal& d);

// Text of a non-finite value: "1.#INF", "-1.#INF", "1.#QNAN".
std::string nonFiniteText(double value);

// The E form of Str and the file form: "1E+15", "1.5E-07", "-2.25E+100".
std::string exponentForm(const Decimal& d);

// Back to a double.
double toDouble(const Decimal& d);

} // namespace runtime::detail
