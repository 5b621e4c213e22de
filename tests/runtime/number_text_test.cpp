#include "runtime/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace runtime;

namespace {

struct ValCase {
    const char* text;
    double value;
};

TEST(Val, ReadsTheNumberTheTextBeginsWith)
{
    const ValCase cases[] = {
        {"1,000", 1},         // a comma ends the number
        {" 1 2", 12},         // blanks skipped anywhere
        {"\t1\n2 3", 123},    // tabs and line feeds too
        {"&H1F", 31},
        {"&h 1f", 31},
        {"&O17", 15},
        {"&H1G", 1},          // stops at the first other character
        {"&X1", 0},
        {"1e3", 1000},
        {"1D3", 1000},
        {"1.5E-2", 0.015},
        {"1e", 1},            // an exponent without digits is not taken
        {"1e+", 1},
        {"abc", 0},
        {"", 0},
        {".", 0},
        {".5", 0.5},
        {"-.5", -0.5},
        {"- 3.5x", -3.5},
        {"+7", 7},
        {"--1", 0},
        {"1.2.3", 1.2},
        {"12abc", 12},
        {"0001.50", 1.5},
        {"1e-999", 0},        // underflow is 0, not an overflow
        {"\r5", 0},           // CR is not skipped
        {"１２", 0},            // full-width digits are not digits here
    };
    for (const ValCase& c : cases) {
        ValResult r = Val(c.text);
        EXPECT_FALSE(r.overflow) << c.text;
        EXPECT_DOUBLE_EQ(r.value, c.value) << c.text;
    }
}

TEST(Val, ReportsOverflow)
{
    const std::string hugeHex = "&H" + std::string(300, 'F');
    for (const char* text : {"1e999", "-1e309", "1D400", hugeHex.c_str()}) {
        ValResult r = Val(text);
        EXPECT_TRUE(r.overflow) << text;
        EXPECT_EQ(valOr0(text), 0.0) << text;
    }
    EXPECT_FALSE(Val("1e308").overflow);
    EXPECT_EQ(valOr0("1e308"), 1e308);
}

struct LocaleCase {
    const char* text;
    bool reads;
    double value;
};

TEST(LocaleNumber, WholeTextWithBlanksAroundAndThousandsSeparators)
{
    const LocaleCase cases[] = {
        {"1,000", true, 1000},
        {" 1,234.5 ", true, 1234.5},
        {"1,500 ", true, 1500},      // a cell of "#,0 "
        {"-1,500 ", true, -1500},
        {"1,00", true, 100},         // grouping positions are not checked
        {"12", true, 12},
        {"1.", true, 1},
        {".5", true, 0.5},
        {"1e3", true, 1000},
        {"&H10", true, 16},
        {"+3", true, 3},
        {"", false, 0},
        {"  ", false, 0},
        {".", false, 0},
        {"-", false, 0},
        {"abc", false, 0},
        {"1 2", false, 0},          // blanks only around it
        {"1,,000", false, 0},
        {",100", false, 0},
        {"100,", false, 0},
        {"1.000,5", false, 0},
        {"12x", false, 0},
        {"1e999", false, 0},
    };
    for (const LocaleCase& c : cases) {
        std::optional<double> n = localeNumber(c.text);
        EXPECT_EQ(n.has_value(), c.reads) << '"' << c.text << '"';
        EXPECT_EQ(readsAsNumber(c.text), c.reads) << c.text;
        if (n && c.reads) {
            EXPECT_DOUBLE_EQ(*n, c.value) << c.text;
        }
    }
}

TEST(CellWholeNumber, RoundsHalfAwayAndTakesSeparators)
{
    const ValCase cases[] = {
        {"1,500 ", 1500}, {"-1,500 ", -1500}, {"12 ", 12}, {"2.5", 3}, {"-2.5", -3},
        {"0.49999", 0},   {"", 0},            {"abc", 0},  {"1,234,567 ", 1234567},
    };
    for (const ValCase& c : cases)
        EXPECT_EQ(cellWholeNumber(c.text), c.value) << c.text;
}

TEST(RoundHalfAway, AfterFifteenSignificantDigits)
{
    struct Case {
        double value;
        int places;
        double expected;
    };
    const Case cases[] = {
        {2.5, 0, 3},   {-2.5, 0, -3}, {0.5, 0, 1},       {1.005, 2, 1.01},  {2.675, 2, 2.68},
        {1.45, 1, 1.5}, {-1.45, 1, -1.5}, {0.4, 0, 0},  {999.5, 0, 1000}, {1234.5678, 2, 1234.57},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(roundHalfAway(c.value, c.places), c.expected) << c.value << " to " << c.places;
}

struct TextCase {
    double value;
    const char* text;
};

TEST(Str, LeadingBlankFifteenDigitsAndExponentForm)
{
    const TextCase cases[] = {
        {12, " 12"},
        {-12, "-12"},
        {0, " 0"},
        {-0.0, " 0"},
        {0.5, " .5"},
        {-0.5, "-.5"},
        {1.25, " 1.25"},
        {1.0 / 3, " .333333333333333"},
        {2.0 / 3, " .666666666666667"},
        {123456789012345, " 123456789012345"},
        {999999999999999, " 999999999999999"},
        {1e15, " 1E+15"},
        {-1e15, "-1E+15"},
        {1234567890123456789.0, " 1.23456789012346E+18"},
        {1e100, " 1E+100"},
        {0.0001, " .0001"},
        {0.00001, " 1E-05"},
        {1.5e-7, " 1.5E-07"},
        {-1.5e-7, "-1.5E-07"},
        {1e-300, " 1E-300"},
        {-std::numeric_limits<double>::max(), "-1.79769313486231E+308"}, // cut, not rounded past the range
        {std::numeric_limits<double>::infinity(), " 1.#INF"},
        {-std::numeric_limits<double>::infinity(), "-1.#INF"},
        {std::nan(""), " 1.#QNAN"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(Str(c.value), c.text) << c.value;
}

TEST(FileNumber, PlainDecimalWholeNumbersExactOthersFifteenDigits)
{
    const TextCase cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {12, "12"},
        {-1500, "-1500"},
        {0.5, "0.5"},
        {-0.25, "-0.25"},
        {120.5, "120.5"},
        {1e15, "1000000000000000"},
        {9007199254740991.0, "9007199254740991"},  // 2^53 - 1, all digits
        {9007199254740992.0, "9.00719925474099E+15"},
        {1e20, "1E+20"},
        {1.0 / 3, "0.333333333333333"},
        {0.0001, "0.0001"},
        {1.5e-7, "1.5E-07"},
        {-2.5e-5, "-2.5E-05"},
        {123456.789, "123456.789"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(fileNumber(c.value), c.text) << c.value;
        EXPECT_EQ(shortestText(c.value), c.text) << c.value;
    }
}

TEST(FileNumber, ReadsBackThroughVal)
{
    for (double v : {0.1, -12345.678, 1e20, 1.5e-7, 9007199254740991.0, 1e-300, 1.7e308, std::numeric_limits<double>::max()}) {
        ValResult r = Val(fileNumber(v));
        EXPECT_FALSE(r.overflow) << v;
        EXPECT_NEAR(r.value, v, std::fabs(v) * 1e-14) << fileNumber(v);
    }
}

} // namespace
