#include "quorvel/dates/date_entry.h"

#include <array>

namespace quorvel::dates {

namespace {

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

struct EraLetter {
    char32_t letter;
    double offset;     // added to the six digits yymmdd
    double highest;    // highest six-digit value taken (0: no limit)
    const char* above; // the message above it
    const char* length; // the message when not six characters follow
};

const std::array<EraLetter, 4> kLetters{{
    {U'H', 19880000, 0, nullptr, "H+６ｹﾀで！　例：H110120"},
    {U'S', 19250000, 640107, "H+６ｹﾀで！　例：H110120", "S+６ｹﾀで！　例：H110120"},
    {U'T', 19110000, 151224, "S+６ｹﾀで！　例：H110120", "T+６ｹﾀで！　例：H110120"},
    {U'M', 18670000, 450729, "T+６ｹﾀで！　例：H110120", "M+６ｹﾀで！　例：H110120"},
}};

// Characters from (1-based) position `from`, `count` of them.
std::u32string_view mid(std::u32string_view s, std::size_t from, std::size_t count)
{
    return from - 1 < s.size() ? s.substr(from - 1, count) : std::u32string_view{};
}

EntryOutcome refuse(const char* message) { return {EntryOutcome::Kind::Refuse, message, {}}; }

EntryOutcome accept(std::string_view text)
{
    if (const auto d = readDate(text)) return {EntryOutcome::Kind::Accept, {}, *d};
    return {EntryOutcome::Kind::NoSuchDay, {}, {}};
}

std::string ascii(std::u32string_view s)
{
    std::string out;
    for (char32_t c : s) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

EntryOutcome eraEntry(const EraLetter& era, std::u32string_view box, bool calcSide, double startNumber)
{
    const std::u32string_view six = box.substr(1);
    for (char32_t c : six)
        if (!isDigit(c)) return {EntryOutcome::Kind::NoSuchDay, {}, {}};
    const double number = leadingValueOr0(six) + era.offset;
    if (calcSide && number < startNumber) return refuse("逆転！");
    const std::string yearText = std::to_string(static_cast<long long>(number / 10000));
    return accept(yearText + "/" + ascii(mid(box, 4, 2)) + "/" + ascii(box.substr(5)));
}

} // namespace

runtime::ValResult leadingValue(std::u32string_view t)
{
    std::size_t i = 0;
    while (i < t.size() && (t[i] == U' ' || t[i] == U'\t')) ++i;
    std::string s;
    auto take = [&](auto pred) {
        while (i < t.size() && pred(t[i])) s += static_cast<char>(t[i++]);
    };
    auto sign = [&] {
        if (i < t.size() && (t[i] == U'+' || t[i] == U'-')) s += static_cast<char>(t[i++]);
    };
    sign();
    take(isDigit);
    if (i < t.size() && t[i] == U'.') {
        s += '.';
        ++i;
        take(isDigit);
    }
    if (i < t.size() && (t[i] == U'E' || t[i] == U'e' || t[i] == U'D' || t[i] == U'd')) {
        s += static_cast<char>(t[i++]);
        sign();
        take(isDigit);
    }
    return runtime::Val(s);
}

double leadingValueOr0(std::u32string_view t)
{
    const auto r = leadingValue(t);
    return r.overflow ? 0 : r.value;
}

EntryOutcome checkDateEntry(std::u32string_view box, bool calcSide, double startNumber)
{
    const char32_t first = box.empty() ? 0 : box[0];
    for (const EraLetter& era : kLetters)
        if (first == era.letter && box.size() != 7) return refuse(era.length);
    for (const EraLetter& era : kLetters)
        if (first == era.letter && era.above && leadingValueOr0(box.substr(1)) > era.highest)
            return refuse(era.above);
    for (const EraLetter& era : kLetters)
        if (first == era.letter) return eraEntry(era, box, calcSide, startNumber);

    if (box.size() != 8) return refuse("８ｹﾀで！　例：19990120");
    const double m = leadingValueOr0(mid(box, 5, 2));
    if (m < 1 || m > 12) return refuse("月不正！");
    const double d = leadingValueOr0(mid(box, 7, 2));
    if (d < 1 || d > 31) return refuse("日不正！");
    const double whole = leadingValueOr0(box);
    if (whole < 19010101 || whole > 21001231) return refuse("計算範囲外！");
    if (calcSide && whole < startNumber) return refuse("年月日逆転！");
    return accept(ascii(box.substr(0, 4)) + "/" + ascii(mid(box, 5, 2)) + "/" + ascii(mid(box, 7, 2)));
}

std::string dayText(const Date& d) { return formatDate(d, "yyyy/mm/dd"); }

} // namespace quorvel::dates
