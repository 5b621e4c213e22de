#include "runtime/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using runtime::Format;
using runtime::formatText;

namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* text;
};

void expectAll(std::initializer_list<FormatCase> cases)
{
    for (const FormatCase& c : cases)
        EXPECT_EQ(Format(c.value, c.pattern), c.text) << "Format(" << c.value << ", \"" << c.pattern << "\")";
}

TEST(Format, WorkedValues)
{
    expectAll({
        {1000, "#,0.######", "1,000."},
        {0.1234567, "#,0.###### ", "0.123457 "},
        {-30, "#,0.###### ", "-30. "},
        {0, "# ", " "},
        {12.5, "#0 ", "13 "},
        {-1500, "#,0 ", "-1,500 "},
        {61, "####0:", "61:"},
        {7, "#,0.############", "7."},
        {0, "#,0.################# ", "0. "},
        {0, "0.#", "0."},
        {0, "#,0.#", "0."},
        {1.25, "#,0.###### ", "1.25 "},
    });
}

TEST(Format, RoundsHalfAwayAfterFifteenDigits)
{
    expectAll({
        {1.005, "0.00", "1.01"},
        {2.675, "0.00", "2.68"},
        {-1.005, "0.00", "-1.01"},
        // The first digit one or two places past the last one kept.
        {0.005, "0.00", "0.01"},
        {0.004, "0.00", "0.00"},
        {0.0004, "0.00", "0.00"},
        {0.0006, "0.00", "0.00"},
        {0.5, "0", "1"},
        {1.5, "0", "2"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {2.4999, "0", "2"},
        {0.0000005, "0.######", "0.000001"},
        {0.00000049, "0.######", "0."},
        {999.9999995, "#,0.######", "1,000."},
        {9.5, "#0 ", "10 "},
        {1234.5, "#,0 ", "1,235 "},
        {0.1 + 0.2, "#,0.################# ", "0.3 "},     // 0.30000000000000004 -> 15 digits
        {1.0 / 3, "#,0.################# ", "0.333333333333333 "},
        {123456.7891234, "#0.############", "123456.7891234"},
        // a tie at the 16th digit goes up, not to even
        {7709999999996145.0, "0", "7709999999996150"},
        {1000000000000005.0, "0", "1000000000000010"},
        {-1000000000000005.0, "0", "-1000000000000010"},
        {9999999999999995.0, "0", "10000000000000000"},
    });
}

TEST(Format, ValueThatRoundsToZeroHasNoMinus)
{
    expectAll({
        {-0.4, "0", "0"},
        {-0.4, "# ", " "},
        {-0.0000001, "#,0.###### ", "0. "},
        {-0.0, "0.#", "0."},
        {-0.0006, "0.00", "0.00"},
    });
}

TEST(Format, ThousandsSeparators)
{
    expectAll({
        {1, "#,0", "1"},
        {999, "#,0", "999"},
        {1000, "#,0", "1,000"},
        {-999999, "#,0", "-999,999"},
        {1234567, "#,0 ", "1,234,567 "},
        {1234567.891, "#,0.############", "1,234,567.891"},
        {1e20, "#,0", "100,000,000,000,000,000,000"},
        {1234567, "0", "1234567"},              // no comma, no separators
        {1234567, "#0.############", "1234567."},
        {-1234.5, "0.######", "-1234.5"},
    });
}

TEST(Format, DigitPlacesAndOtherCharacters)
{
    expectAll({
        {5, "00", "05"},
        {5, "###0 ", "5 "},
        {12345, "###0 ", "12345 "},     // more digits than places
        {0, "#", ""},
        {0.5, "#.##", ".5"},
        {1.5, "#,0.000", "1.500"},
        {1.5, "#,0.", "2."},
        {1.5, "#,0.00", "1.50"},
        {3, "0:", "3:"},
        {42, "No.0", "No42.0"},         // no integer place: the digits stand before the point
        {12, "0 件", "12 件"},
        {-3, "0 ", "-3 "},
    });
}

TEST(Format, HugeTinyAndNonFinite)
{
    expectAll({
        {123456789012345678.0, "#0.############", "123456789012346000."},
        {1e-300, "0.######", "0."},
        {std::numeric_limits<double>::infinity(), "#,0 ", "1.#INF"},
        {-std::numeric_limits<double>::infinity(), "0", "-1.#INF"},
        {std::nan(""), "0.#", "1.#QNAN"},
    });
    EXPECT_EQ(Format(1e300, "0"), "1" + std::string(300, '0'));
    EXPECT_EQ(Format(std::numeric_limits<double>::max(), "0"), "179769313486231" + std::string(294, '0'));
    EXPECT_EQ(Format(12.5, ""), "12.5");
}

TEST(FormatText, NumberTextsAreFormattedOthersKept)
{
    const struct {
        const char* text;
        const char* pattern;
        const char* shown;
    } cases[] = {
        {"1000", "#,0.######", "1,000."},
        {" 1,234.5 ", "#,0.######", "1,234.5"},
        {"1.50", "#,0.00", "1.50"},
        {"0", "#,0.#", "0."},
        {"", "#,0.######", ""},
        {".", "#,0.############", "."},
        {" ", "#,0.############", " "},
        {"12abc", "#,0.######", "12abc"},
        {"1 2", "#,0.######", "1 2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatText(c.text, c.pattern), c.shown) << '"' << c.text << '"';
}

} // namespace
