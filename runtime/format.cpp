#include "runtime/format.h"

#include "runtime/decimal.h"
#include "runtime/number_text.h"

#include <cmath>

namespace runtime {

namespace {

bool isPlaceholder(char c) { return c == '0' || c == '#'; }

// What a pattern asks for.
struct Pattern {
    std::size_t point = std::string_view::npos; // index of the decimal point
    int integerPlaces = 0;   // placeholders before the point
    int minIntegerDigits = 0; // from the first "0" before the point on
    int decimalPlaces = 0;   // placeholders after the point
    int minDecimals = 0;     // up to the last "0" after the point
    bool grouping = false;
};

Pattern analyse(std::string_view pattern)
{
    Pattern p;
    p.point = pattern.find('.');
    std::size_t end = p.point == std::string_view::npos ? pattern.size() : p.point;
    bool zeroSeen = false;
    bool digitSeen = false;
    for (std::size_t i = 0; i < end; ++i) {
        char c = pattern[i];
        if (isPlaceholder(c)) {
            ++p.integerPlaces;
            zeroSeen = zeroSeen || c == '0';
            if (zeroSeen)
                ++p.minIntegerDigits;
            digitSeen = true;
        } else if (c == ',' && digitSeen) {
            p.grouping = true;
        }
    }
    for (std::size_t i = end; i < pattern.size(); ++i) {
        if (isPlaceholder(pattern[i])) {
            ++p.decimalPlaces;
            if (pattern[i] == '0')
                p.minDecimals = p.decimalPlaces;
        }
    }
    return p;
}

} // namespace

std::string Format(double value, std::string_view pattern)
{
    if (!std::isfinite(value))
        return detail::nonFiniteText(value);
    if (pattern.empty())
        return fileNumber(value);

    const Pattern p = analyse(pattern);
    detail::Decimal d = detail::toDecimal15(value);
    detail::roundToPlaces(d, p.decimalPlaces);

    std::string whole = detail::integerDigits(d);
    if (static_cast<int>(whole.size()) < p.minIntegerDigits)
        whole.insert(0, static_cast<std::size_t>(p.minIntegerDigits) - whole.size(), '0');
    std::string frac = detail::fractionDigits(d);
    if (static_cast<int>(frac.size()) < p.minDecimals)
        frac.append(static_cast<std::size_t>(p.minDecimals) - frac.size(), '0');

    // Integer digits go to the integer placeholders from the right; digits
    // beyond their number all go to the first one.
    const int wholeLen = static_cast<int>(whole.size());
    int next = 0; // next digit of `whole` to write
    auto writeDigits = [&](std::string& out, int upTo) {
        for (; next < upTo; ++next) {
            out += whole[static_cast<std::size_t>(next)];
            int fromRight = wholeLen - 1 - next;
            if (p.grouping && fromRight > 0 && fromRight % 3 == 0)
                out += ',';
        }
    };

    std::string out = d.negative ? "-" : "";
    const std::size_t integerEnd = p.point == std::string_view::npos ? pattern.size() : p.point;
    int placeholder = 0;
    for (std::size_t i = 0; i < integerEnd; ++i) {
        char c = pattern[i];
        if (isPlaceholder(c)) {
            ++placeholder;
            // After this placeholder, the digits still owed are as many as the
            // placeholders left.
            writeDigits(out, wholeLen - (p.integerPlaces - placeholder));
        } else if (c != ',') {
            out += c;
        }
    }
    if (p.integerPlaces == 0)
        writeDigits(out, wholeLen); // no placeholder: the digits stand before the point
    if (p.point == std::string_view::npos)
        return out;

    out += '.';
    std::size_t decimal = 0;
    for (std::size_t i = p.point + 1; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (isPlaceholder(c)) {
            if (decimal < frac.size())
                out += frac[decimal];
            ++decimal;
        } else if (c != '.' && c != ',') {
            out += c;
        }
    }
    return out;
}

std::string formatText(std::string_view text, std::string_view pattern)
{
    std::optional<double> n = localeNumber(text);
    return n ? Format(*n, pattern) : std::string(text);
}

} // namespace runtime
