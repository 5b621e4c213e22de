#include "runtime/decimal.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace runtime::detail {

Decimal toDecimal15(double value)
{
    Decimal d;
    if (value == 0 || !std::isfinite(value))
        return d;
    char buf[96];
    // 41 significant digits (d.ddd...e+XX, independent of the C locale), then
    // rounded half away from zero to 15: a tie at the 16th digit goes up,
    // where the library's own rounding to 15 would go to even.
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 40);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    std::size_t e = s.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.')
            d.digits += s[i];
    int exp = std::atoi(std::string(s.substr(e + 1)).c_str());
    const bool up = d.digits[15] >= '5';
    d.digits.resize(15);
    if (up) {
        std::size_t i = d.digits.size();
        while (i > 0 && d.digits[i - 1] == '9')
            d.digits[--i] = '0';
        if (i == 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            ++exp;
        } else {
            ++d.digits[i - 1];
        }
    }
    // Near the largest double, 15 digits rounded up would pass it; cut them
    // instead, so that every text written here reads back as a number.
    static constexpr char kLargest[] = "179769313486231";
    if (exp == 308 && d.digits > kLargest)
        d.digits = kLargest;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    d.pointPos = exp + 1;
    d.negative = value < 0;
    return d;
}

void roundToPlaces(Decimal& d, int places)
{
    long keep = static_cast<long>(d.pointPos) + places;
    if (d.isZero() || keep >= static_cast<long>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        d.negative = false;
        return;
    }
    bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        std::size_t i = d.digits.size();
        while (i > 0 && d.digits[i - 1] == '9') {
            d.digits[i - 1] = '0';
            --i;
        }
        if (i == 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        } else {
            ++d.digits[i - 1];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.negative = false;
}

std::string integerDigits(const Decimal& d)
{
    if (d.pointPos <= 0 || d.isZero())
        return {};
    std::string s = d.digits.substr(0, static_cast<std::size_t>(d.pointPos));
    s.append(static_cast<std::size_t>(d.pointPos) - s.size(), '0');
    return s;
}

std::string fractionDigits(const Decimal& d)
{
    if (d.isZero() || static_cast<long>(d.digits.size()) <= d.pointPos)
        return {};
    if (d.pointPos >= 0)
        return d.digits.substr(static_cast<std::size_t>(d.pointPos));
    return std::string(static_cast<std::size_t>(-d.pointPos), '0') + d.digits;
}

std::string nonFiniteText(double value)
{
    if (std::isnan(value))
        return "1.#QNAN";
    return value < 0 ? "-1.#INF" : "1.#INF";
}

std::string exponentForm(const Decimal& d)
{
    std::string s = d.negative ? "-" : "";
    s += d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        s += "." + d.digits.substr(1);
    int exp = d.exponent();
    s += exp < 0 ? "E-" : "E+";
    std::string e = std::to_string(std::abs(exp));
    if (e.size() < 2)
        e.insert(e.begin(), '0');
    return s + e;
}

double toDouble(const Decimal& d)
{
    if (d.isZero())
        return 0.0;
    // Digits and an exponent, no point: nothing here depends on the C locale
    // but the decimal point, which this text does not have.
    std::string s = (d.negative ? "-" : "") + d.digits + "e" +
                    std::to_string(d.pointPos - static_cast<int>(d.digits.size()));
    double v = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec == std::errc::result_out_of_range) // past the largest double after rounding
        v = d.pointPos > 0 ? HUGE_VAL : 0.0;
    return d.negative ? -std::fabs(v) : v;
}

} // namespace runtime::detail
