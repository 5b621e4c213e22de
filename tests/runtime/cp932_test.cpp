#include "runtime/cp932.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

struct CodeCase {
    const char* utf8;
    const char* bytes;
};

// Characters whose codes differ between the Japanese code pages, or that only
// code page 932 has: each must come out as these bytes and read back the same.
TEST(Cp932, MapsBothWays)
{
    const CodeCase cases[] = {
        {"abc 1,2\r\n", "abc 1,2\r\n"},
        {"\\~", "\x5C\x7E"},                  // backslash and tilde stay ASCII
        {"\x7F\x1A\x1C", "\x7F\x1A\x1C"},      // control codes unchanged
        {"あ亜", "\x82\xA0\x88\x9F"},
        {"ｱﾝﾟ｡", "\xB1\xDD\xDF\xA1"},         // half-width katakana: one byte
        {"～", "\x81\x60"},                   // U+FF5E
        {"－", "\x81\x7C"},                   // U+FF0D
        {"―", "\x81\x5C"},                    // U+2015
        {"∥", "\x81\x61"},                    // U+2225
        {"￠￡￢", "\x81\x91\x81\x92\x81\xCA"},
        {"①⑳", "\x87\x40\x87\x53"},           // NEC row 13
        {"Ⅰ㍻㈱", "\x87\x54\x87\x7E\x87\x8A"},
        {"ⅰ", "\xFA\x40"},                    // IBM extension, not the NEC-selected EEEF
        {"纊髙﨑", "\xFA\x5C\xFB\xFC\xFA\xB1"},
        {"≒∵", "\x81\xE0\x81\xE6"},           // JIS row, not the NEC duplicates
        {"\xEE\x80\x80", "\xF0\x40"},          // user-defined area U+E000
        {"実績集計　件数", "\x8E\xC0\x90\xD1\x8F\x57\x8C\x76\x81\x40\x8C\x8F\x90\x94"},
        {"ｼｭｳｹｲ", "\xBC\xAD\xB3\xB9\xB2"},
        {"表ソ能", "\x95\x5C\x83\x5C\x94\x5C"}, // trail byte 0x5C
    };
    for (const CodeCase& c : cases) {
        std::optional<std::string> bytes = toCp932(c.utf8);
        ASSERT_TRUE(bytes.has_value()) << c.utf8;
        EXPECT_EQ(*bytes, c.bytes) << c.utf8;
        std::optional<std::string> back = fromCp932(c.bytes);
        ASSERT_TRUE(back.has_value()) << c.utf8;
        EXPECT_EQ(*back, c.utf8);
    }
}

TEST(Cp932, JisFormsAreWrittenAsTheirCodePage932Codes)
{
    const CodeCase cases[] = {
        {"〜", "\x81\x60"}, // U+301C wave dash
        {"−", "\x81\x7C"},  // U+2212 minus
        {"‖", "\x81\x61"},  // U+2016
        {"—", "\x81\x5C"},  // U+2014
        {"¢£¬", "\x81\x91\x81\x92\x81\xCA"},
    };
    for (const CodeCase& c : cases)
        EXPECT_EQ(toCp932(c.utf8), std::optional<std::string>(c.bytes)) << c.utf8;
}

TEST(Cp932, RefusesWhatTheCodePageCannotHold)
{
    for (const char* text : {"é", "¥", "‾", "€", "😀", "한", "a\u00A6b", "\xC3", "\xED\xA0\x80", "\xC0\x80"}) {
        EXPECT_FALSE(toCp932(text).has_value()) << text;
        EXPECT_FALSE(fitsCp932(text)) << text;
    }
    EXPECT_TRUE(fitsCp932(""));
    EXPECT_TRUE(fitsCp932("C:/データ/ﾃｽﾄ"));
}

TEST(Cp932, RejectsInvalidBytes)
{
    const struct {
        std::string bytes;
        const char* lenient;
    } cases[] = {
        {"abc\x82", "abc\xEF\xBF\xBD"},             // lone lead byte at the end
        {"\x82 z", "\xEF\xBF\xBD z"},               // trail byte out of range
        {"\x85\x40", "\xEF\xBF\xBD@"},              // undefined code
        {"\x80", "\xEF\xBF\xBD"},
        {"\xA0", "\xEF\xBF\xBD"},
        {"\xFD\xFE\xFF", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\x81\x7F", "\xEF\xBF\xBD\x7F"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(fromCp932(c.bytes).has_value()) << c.lenient;
        EXPECT_EQ(fromCp932Lenient(c.bytes), c.lenient);
    }
}

// Every double-byte code against the platform's (ICU) Windows-31J decoder,
// and every defined code back to the same or the preferred bytes.
TEST(Cp932, AgreesWithTheSystemDecoderOnEveryCode)
{
    int defined = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead <= 0xDF)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
            ASSERT_TRUE(decoder.isValid());
            QString s = decoder.decode(QByteArrayView(bytes.data(), 2));
            bool systemDefined = !decoder.hasError() && s.size() == 1 && s[0] != QChar(0xFFFD) && s[0] != QChar(0x1A);
            std::optional<std::string> ours = fromCp932(bytes);
            ASSERT_EQ(ours.has_value(), systemDefined) << std::hex << lead << ' ' << trail;
            if (!ours)
                continue;
            ++defined;
            EXPECT_EQ(*ours, s.toStdString()) << std::hex << lead << ' ' << trail;
            std::optional<std::string> again = toCp932(*ours);
            ASSERT_TRUE(again.has_value());
            EXPECT_EQ(fromCp932(*again), ours);
        }
    }
    EXPECT_EQ(defined, 9604); // 7724 characters and 1880 user-defined codes
}

} // namespace
