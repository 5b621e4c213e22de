#include "runtime/number_text.h"

#include "runtime/decimal.h"

#include <cmath>
#include <cstdlib>

namespace runtime {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Reads characters of a text, skipping blanks, tabs and line feeds (Val) or
// nothing (the locale conversion).
class Cursor {
public:
    Cursor(std::string_view s, bool skipBlanks) : s_(s), skip_(skipBlanks) { settle(); }
    bool atEnd() const { return i_ >= s_.size(); }
    char peek() const { return atEnd() ? '\0' : s_[i_]; }
    void advance() { ++i_; settle(); }
    std::size_t pos() const { return i_; }

private:
    void settle()
    {
        while (skip_ && i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n'))
            ++i_;
    }
    std::string_view s_;
    bool skip_;
    std::size_t i_ = 0;
};

// The parts of a decimal number as read.
struct Parts {
    bool negative = false;
    std::string digits; // integer and fraction digits together
    long fractionCount = 0;
    long exponent = 0;
    bool any = false; // at least one digit
};

// Digits, one point, exponent. With `grouping`, commas between integer digits
// are skipped (the locale conversion); otherwise a comma ends the number.
void readDecimal(Cursor& c, Parts& p, bool grouping)
{
    if (c.peek() == '+' || c.peek() == '-') {
        p.negative = c.peek() == '-';
        c.advance();
    }
    bool point = false;
    while (true) {
        char ch = c.peek();
        if (isDigit(ch)) {
            p.digits += ch;
            p.any = true;
            if (point)
                ++p.fractionCount;
            c.advance();
        } else if (ch == '.' && !point) {
            point = true;
            c.advance();
        } else if (ch == ',' && grouping && !point && p.any) {
            // A separator must stand between two digits.
            Cursor look = c;
            look.advance();
            if (!isDigit(look.peek()))
                break;
            c.advance();
        } else {
            break;
        }
    }
    if (!p.any)
        return;
    char e = upper(c.peek());
    if (e != 'E' && e != 'D')
        return;
    Cursor look = c;
    look.advance();
    bool negExp = false;
    if (look.peek() == '+' || look.peek() == '-') {
        negExp = look.peek() == '-';
        look.advance();
    }
    if (!isDigit(look.peek()))
        return; // "1e" reads as 1; the E is left over
    long exp = 0;
    while (isDigit(look.peek())) {
        if (exp < 100000000)
            exp = exp * 10 + (look.peek() - '0');
        look.advance();
    }
    p.exponent = negExp ? -exp : exp;
    c = look;
}

ValResult toValue(const Parts& p)
{
    if (!p.any)
        return {};
    std::size_t first = p.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    // Digits and an exponent, no point: strtod then needs nothing of the C locale.
    std::string s = p.digits.substr(first) + "e" + std::to_string(p.exponent - p.fractionCount);
    double v = std::strtod(s.c_str(), nullptr);
    if (std::isinf(v))
        return {0.0, true};
    return {p.negative ? -v : v, false};
}

// "&H" / "&O" and their digits; false when the text does not start so.
bool readRadix(Cursor& c, ValResult& out)
{
    if (c.peek() != '&')
        return false;
    Cursor look = c;
    look.advance();
    char kind = upper(look.peek());
    if (kind != 'H' && kind != 'O')
        return false;
    look.advance();
    int base = kind == 'H' ? 16 : 8;
    double v = 0;
    bool any = false;
    while (true) {
        int d = hexDigit(look.peek());
        if (d < 0 || d >= base)
            break;
        v = v * base + d;
        any = true;
        look.advance();
    }
    c = look;
    out = std::isinf(v) ? ValResult{0.0, true} : ValResult{any ? v : 0.0, false};
    return true;
}

} // namespace

ValResult Val(std::string_view text)
{
    Cursor c(text, true);
    ValResult r;
    if (readRadix(c, r))
        return r;
    Parts p;
    readDecimal(c, p, false);
    return toValue(p);
}

double valOr0(std::string_view text)
{
    ValResult r = Val(text);
    return r.overflow ? 0.0 : r.value;
}

std::optional<double> localeNumber(std::string_view text)
{
    auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    Cursor c(text, false);
    ValResult r;
    if (!readRadix(c, r)) {
        Parts p;
        readDecimal(c, p, true);
        if (!p.any)
            return std::nullopt;
        r = toValue(p);
    }
    if (!c.atEnd() || r.overflow)
        return std::nullopt;
    return r.value;
}

double cellWholeNumber(std::string_view text)
{
    return roundHalfAway(localeNumber(text).value_or(0.0), 0);
}

double roundHalfAway(double value, int places)
{
    if (!std::isfinite(value))
        return value;
    detail::Decimal d = detail::toDecimal15(value);
    detail::roundToPlaces(d, places);
    return detail::toDouble(d);
}

namespace {

// The plain or E form shared by Str and the file form.
std::string decimalText(const detail::Decimal& d, bool zeroBeforePoint)
{
    if (d.isZero())
        return "0";
    int exp = d.exponent();
    if (exp >= 15 || exp < -4)
        return detail::exponentForm(d);
    std::string s = d.negative ? "-" : "";
    std::string whole = detail::integerDigits(d);
    std::string frac = detail::fractionDigits(d);
    s += whole.empty() && zeroBeforePoint ? "0" : whole;
    if (!frac.empty())
        s += "." + frac;
    return s;
}

} // namespace

std::string Str(double value)
{
    if (!std::isfinite(value)) {
        std::string t = detail::nonFiniteText(value);
        return t[0] == '-' ? t : " " + t;
    }
    detail::Decimal d = detail::toDecimal15(value);
    std::string s = decimalText(d, false);
    return d.negative ? s : " " + s;
}

std::string fileNumber(double value)
{
    if (!std::isfinite(value))
        return detail::nonFiniteText(value);
    constexpr double twoTo53 = 9007199254740992.0;
    if (value == std::trunc(value) && std::fabs(value) < twoTo53)
        return std::to_string(static_cast<long long>(value));
    return decimalText(detail::toDecimal15(value), true);
}

std::string shortestText(double value)
{
    return fileNumber(value);
}

} // namespace runtime
