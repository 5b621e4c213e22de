#include "runtime/cp932.h"

#include "runtime/cp932_table.h"

#include <array>
#include <cstdint>
#include <memory>

namespace runtime {

namespace {

using cp932_detail::kDoubleByte;
using cp932_detail::kLeadCount;
using cp932_detail::kTrailCount;

int leadIndex(unsigned char b)
{
    if (b >= 0x81 && b <= 0x9F)
        return b - 0x81;
    if (b >= 0xE0 && b <= 0xFC)
        return b - 0xE0 + 0x1F;
    return -1;
}

int trailIndex(unsigned char b)
{
    if (b >= 0x40 && b <= 0x7E)
        return b - 0x40;
    if (b >= 0x80 && b <= 0xFC)
        return b - 0x80 + 0x3F;
    return -1;
}

unsigned char leadByte(int index) { return static_cast<unsigned char>(index < 0x1F ? 0x81 + index : 0xE0 + index - 0x1F); }
unsigned char trailByte(int index) { return static_cast<unsigned char>(index < 0x3F ? 0x40 + index : 0x80 + index - 0x3F); }

// Unicode (BMP) -> code: 0 none, below 0x100 a single byte, else lead * 256 + trail.
using EncodeTable = std::array<std::uint16_t, 0x10000>;

std::unique_ptr<EncodeTable> buildEncodeTable()
{
    auto table = std::make_unique<EncodeTable>();
    table->fill(0);
    for (int lead = 0; lead < kLeadCount; ++lead) {
        for (int trail = 0; trail < kTrailCount; ++trail) {
            char16_t u = kDoubleByte[lead][trail];
            if (u == 0)
                continue;
            std::uint16_t code = static_cast<std::uint16_t>(leadByte(lead) << 8 | trailByte(trail));
            std::uint16_t& slot = (*table)[u];
            // Several codes for one character: the first wins, except that the
            // NEC-selected IBM extensions (ED40-EEFC) give way to any other code,
            // as Windows writes them.
            bool slotIsNecSelected = slot >= 0xED40 && slot <= 0xEEFC;
            if (slot == 0 || slotIsNecSelected)
                slot = code;
        }
    }
    // Characters that other Japanese code pages map to the same codes (the
    // JIS forms of wave dash, double vertical line, minus, cent, pound, not,
    // em dash): written as the code page 932 codes, read back in the code
    // page 932 form.
    const std::pair<char16_t, std::uint16_t> jisForms[] = {
        {0x301C, 0x8160}, {0x2016, 0x8161}, {0x2212, 0x817C}, {0x00A2, 0x8191},
        {0x00A3, 0x8192}, {0x00AC, 0x81CA}, {0x2014, 0x815C},
    };
    for (auto [u, code] : jisForms)
        (*table)[u] = code;
    return table;
}

const EncodeTable& encodeTable()
{
    static const std::unique_ptr<EncodeTable> table = buildEncodeTable();
    return *table;
}

// Next code point of UTF-8 text, or -1 when the text is not valid UTF-8.
long nextCodePoint(std::string_view s, std::size_t& i)
{
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i);
    if (b < 0x80) {
        ++i;
        return b;
    }
    int extra;
    long cp;
    long min;
    if ((b & 0xE0) == 0xC0) { extra = 1; cp = b & 0x1F; min = 0x80; }
    else if ((b & 0xF0) == 0xE0) { extra = 2; cp = b & 0x0F; min = 0x800; }
    else if ((b & 0xF8) == 0xF0) { extra = 3; cp = b & 0x07; min = 0x10000; }
    else return -1;
    if (i + static_cast<std::size_t>(extra) >= s.size())
        return -1;
    for (int k = 1; k <= extra; ++k) {
        unsigned char c = byte(i + static_cast<std::size_t>(k));
        if ((c & 0xC0) != 0x80)
            return -1;
        cp = cp << 6 | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return -1;
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes; an undecodable byte gives U+FFFD when lenient, else nullopt.
std::optional<std::string> decode(std::string_view bytes, bool lenient)
{
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    for (std::size_t i = 0; i < bytes.size();) {
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        if (b >= 0xA1 && b <= 0xDF) { // half-width katakana
            appendUtf8(out, 0xFF61 + (b - 0xA1));
            ++i;
            continue;
        }
        int lead = leadIndex(b);
        int trail = i + 1 < bytes.size() ? trailIndex(static_cast<unsigned char>(bytes[i + 1])) : -1;
        char16_t u = lead >= 0 && trail >= 0 ? kDoubleByte[lead][trail] : 0;
        if (u != 0) {
            appendUtf8(out, u);
            i += 2;
            continue;
        }
        if (!lenient)
            return std::nullopt;
        appendUtf8(out, 0xFFFD);
        ++i; // the next byte may start a character of its own
    }
    return out;
}

} // namespace

std::optional<std::string> toCp932(std::string_view utf8)
{
    const EncodeTable& table = encodeTable();
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        long cp = nextCodePoint(utf8, i);
        if (cp < 0)
            return std::nullopt;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        if (cp >= 0xFF61 && cp <= 0xFF9F) {
            out += static_cast<char>(0xA1 + (cp - 0xFF61));
            continue;
        }
        std::uint16_t code = cp < 0x10000 ? table[static_cast<std::size_t>(cp)] : 0;
        if (code == 0)
            return std::nullopt;
        out += static_cast<char>(code >> 8);
        out += static_cast<char>(code & 0xFF);
    }
    return out;
}

bool fitsCp932(std::string_view utf8) { return toCp932(utf8).has_value(); }

std::optional<std::string> fromCp932(std::string_view bytes) { return decode(bytes, false); }

std::string fromCp932Lenient(std::string_view bytes) { return *decode(bytes, true); }

} // namespace runtime
