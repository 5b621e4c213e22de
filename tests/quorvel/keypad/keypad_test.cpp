// The keypad state machine driven key by key.
#include "quorvel/keypad/keypad.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using quorvel::Key;
using quorvel::Keypad;
using quorvel::KeyOutcome;

namespace {

// Keys of one token: a run of digits and points ("12.5"), or a key name.
KeyOutcome pressToken(Keypad& k, const std::string& t)
{
    static const std::vector<std::pair<std::string, Key>> names = {
        {"+", Key::Plus},   {"-", Key::Minus},    {"*", Key::Times},  {"/", Key::Divide},
        {"=", Key::Equals}, {"%", Key::Percent},  {"sqrt", Key::Root}, {"C", Key::Clear},
        {"CE", Key::ClearEntry}, {"AC", Key::AllClear}, {"<", Key::Back},
        {"M+", Key::MPlus}, {"M-", Key::MMinus},  {"MR", Key::MR},    {"MC", Key::MC},
    };
    if (t == "ACT")
        return k.activate();
    for (const auto& [name, key] : names)
        if (t == name)
            return k.press(key);
    KeyOutcome last;
    for (char c : t) {
        if (c == '.')
            last = k.press(Key::Point);
        else if (c >= '0' && c <= '9')
            last = k.press(static_cast<Key>(static_cast<int>(Key::D0) + (c - '0')));
        else
            ADD_FAILURE() << "unknown key token " << t;
    }
    return last;
}

KeyOutcome run(Keypad& k, const std::string& keys)
{
    std::istringstream in(keys);
    std::string t;
    KeyOutcome last;
    while (in >> t)
        last = pressToken(k, t);
    return last;
}

// A keypad as the window starts it: loaded, then activated.
Keypad started()
{
    Keypad k;
    k.activate();
    return k;
}

struct Step {
    const char* keys;
    const char* display;
    const char* memory = nullptr; // nullptr: indicator not checked
};

struct Case {
    const char* name;
    std::vector<Step> steps;
};

void runCases(const std::vector<Case>& cases)
{
    for (const auto& c : cases) {
        Keypad k = started();
        std::string typed;
        for (const auto& s : c.steps) {
            run(k, s.keys);
            typed += std::string(s.keys) + " ";
            EXPECT_EQ(k.display, s.display) << c.name << ": after " << typed;
            if (s.memory) {
                EXPECT_EQ(k.memoryIndicator, s.memory) << c.name << ": after " << typed;
            }
        }
    }
}

} // namespace

TEST(KeypadEntry, DigitsPointAndBackspace)
{
    runCases({
        {"activation shows 0.", {{"", "0."}}},
        {"12 digits after activation",
         {{"5", "5."}, {"12345678901", "512,345,678,901."}, {"2", "512,345,678,901."}}},
        {"13 digits after an operation",
         {{"1 +", "1."}, {"9999999999999", "9,999,999,999,999."}, {"9", "9,999,999,999,999."}}},
        {"leading zeros are not shown", {{"000", "0."}, {"7", "7."}}},
        {"leading point", {{".", "0."}, {"5", "0.5"}}},
        {"point first after an operation", {{"1 + .", "."}, {"5", "0.5"}}},
        {"second point on a lone point clears", {{"1 + . .", ""}, {"7", "7."}}},
        {"typed zeros after the point stay", {{"1.5", "1.5"}, {"0", "1.50"}, {"3", "1.503"}}},
        {"zeros only", {{"0.00", "0.00"}}},
        {"one point only", {{"1.2.3", "1.23"}}},
        {"backspace keeps the typed zeros",
         {{"1.503", "1.503"}, {"<", "1.50"}, {"< <", "1."}, {".", "1."}, {"5", "1.5"}}},
        {"backspace removes the point", {{"1.5 <", "1."}, {"<", "1."}, {"7", "17."}}},
        {"backspace to 0.", {{"12 <", "1."}, {"<", "0."}, {"<", "0."}, {"4", "4."}}},
        {"backspace on a result text", {{"5 + 7 =", "12."}, {"<", "1."}, {"<", " "}, {"<", "0."}}},
        {"thousands separators", {{"1234567.25", "1,234,567.25"}}},
    });
}

TEST(KeypadEntry, PointFlagFollowsTheEntry)
{
    Keypad k = started();
    run(k, "1.5");
    EXPECT_EQ(k.T, 1);
    run(k, "<");
    EXPECT_EQ(k.N, "01.");
    EXPECT_EQ(k.T, 1);
    run(k, "<");
    EXPECT_EQ(k.N, "01");
    EXPECT_EQ(k.T, 0);
    run(k, "+");
    EXPECT_EQ(k.N, "");
    EXPECT_EQ(k.T, 0);
}

TEST(KeypadOperations, ChainsAndResults)
{
    runCases({
        {"left to right", {{"2 + 3 *", "5."}, {"4 =", "20."}}},
        {"second operation key replaces the first", {{"5 + - 3 =", "2."}}},
        {"equals with nothing pending", {{"3 =", "3."}}},
        {"subtract below zero", {{"3 - 8 =", "-5."}}},
        {"cut to 14 characters", {{"100 / 3 =", "33.33333333333"}}},
        {"14 characters kept whole", {{"2 / 3 =", "0.666666666667"}}},
        {"digit after a result starts afresh", {{"2 + 3 = 4 + 1 =", "5."}}},
        {"operation after a result continues", {{"2 + 3 = + 1 =", "6."}}},
        {"CE keeps the pending operation", {{"5 + 3 CE", "0."}, {"4 =", "9."}}},
        {"activation keeps the pending operation", {{"5 + ACT", "0."}, {"3 =", "8."}}},
        {"backspace on the second operand keeps the first", {{"5 + 34 <", "3."}, {"=", "8."}}},
        {"backspace edits a shown result", {{"5 + 7 = <", "1."}, {"+ 1 =", "2."}}},
        {"negative 10^12 is shown", {{"1 - 1000000000001 =", "-1,000,000,000,000."}}},
    });
}

TEST(KeypadOperations, ConstantCalculation)
{
    runCases({
        {"a × b ＝ ＝", {{"3 * 4 =", "12."}, {"=", "36."}, {"=", "108."}}},
        {"a × ＝ ＝", {{"2 * =", "4."}, {"=", "8."}, {"=", "16."}}},
        {"a ÷ b ＝ ＝", {{"100 / 4 =", "25."}, {"=", "6.25"}, {"=", "1.5625"}}},
        {"a ＋ b ＝ ＝", {{"3 + 4 =", "7."}, {"=", "10."}, {"=", "13."}}},
        {"a － b ＝ ＝", {{"10 - 3 =", "7."}, {"=", "3."}, {"=", "7."}}},
        {"a ＋ ＝", {{"5 + =", "5."}, {"=", "10."}}},
        {"new entry times the constant", {{"3 * 4 =", "12."}, {"5 =", "15."}}},
        {"new entry plus the constant", {{"3 + 4 = 10 =", "13."}}},
        {"new entry divided by the constant", {{"8 / 2 = 10 =", "5."}}},
        {"constant minus a new entry", {{"10 - 4 = 3 =", "7."}}},
        {"constant 0 is none", {{"0 * 5 =", "0."}, {"=", "0."}}},
        {"operation key ends the repeat", {{"3 * 4 = + 1 =", "13."}, {"=", "25."}}},
        {"C ends the repeat", {{"3 * 4 = C 5 =", "5."}}},
        {"root then equals keeps it", {{"9 sqrt =", "3."}}},
    });
}

TEST(KeypadOperations, PercentAndRoot)
{
    runCases({
        {"percent with +", {{"200 + 5 %", "210."}}},
        {"percent with -", {{"200 - 5 %", "190."}}},
        {"percent with ×", {{"200 * 5 %", "10."}}},
        {"percent with ÷", {{"200 / 5 %", "4,000."}}},
        {"percent alone", {{"5 %", "5."}}},
        {"percent result starts a new calculation", {{"200 + 5 % 3 =", "3."}}},
        {"root", {{"9 sqrt", "3."}}},
        {"root drops what was pending", {{"9 + 4 sqrt", "2."}, {"=", "2."}}},
        {"root is a first operand", {{"16 sqrt + 1 =", "5."}}},
        {"root of two cut", {{"2 sqrt", "1.414213562373"}}},
    });
}

TEST(KeypadOperations, Failures)
{
    const std::string error = "ERROR!      0.";
    runCases({
        {"divide by zero on an operation key", {{"5 / 0 +", error.c_str()}, {"2 =", "2.5"}}},
        {"divide by zero on percent", {{"5 / 0 %", error.c_str()}, {"2 =", "2.5"}}},
        {"root of a negative result", {{"3 - 8 = sqrt", error.c_str()}, {"+ 1 =", "-4."}}},
    });

    // The failed operation key has already cleared the constants.
    Keypad k = started();
    run(k, "3 * 4 = 6 / 0 +");
    EXPECT_EQ(k.display, error);
    EXPECT_EQ(k.NUM2, 0);
    EXPECT_EQ(k.KII, "");
    EXPECT_EQ(k.KI, "/");
    EXPECT_EQ(k.N, "0");
    EXPECT_EQ(k.ER, 0);

    // A failed root changes nothing but the display.
    k = started();
    run(k, "3 - 8 =");
    const Keypad before = k;
    EXPECT_TRUE(run(k, "sqrt").focusText1);
    EXPECT_EQ(k.display, error);
    EXPECT_EQ(k.N, before.N);
    EXPECT_EQ(k.NUM, before.NUM);
    EXPECT_EQ(k.KI, before.KI);
    EXPECT_EQ(k.KII, before.KII);
}

TEST(KeypadOperations, ZeroDivideOnEquals)
{
    Keypad k = started();
    run(k, "5 / 0");
    const KeyOutcome r = run(k, "=");
    EXPECT_TRUE(r.zeroDivide);
    EXPECT_FALSE(r.focusText1);
    EXPECT_EQ(k.display, "0.");
    EXPECT_EQ(k.KI, "/");
    EXPECT_EQ(k.N, "0");
    EXPECT_EQ(k.NUM3, 0);
    EXPECT_EQ(k.NUM, 5);
    run(k, "2 =");
    EXPECT_EQ(k.display, "2.5");
    EXPECT_FALSE(run(k, "=").zeroDivide);
}

TEST(KeypadOverflow, RuleAndBlockedKeys)
{
    runCases({
        {"10^12 overflows", {{"999999999999 + 1 =", "1,000,000E"}}},
        {"overflow on an operation key", {{"999999999999 + 1 +", "1,000,000E"}}},
        {"overflow on percent", {{"999999999999 + 1 %", "1,009,999E"}}},
        {"keys blocked", {{"999999999999 + 1 = 5 . < + = % sqrt", "1,000,000E"}}},
        {"CE shows 0. but keys stay blocked", {{"999999999999 + 1 = CE", "0."}, {"5 =", "0."}}},
        {"C ends it", {{"999999999999 + 1 = C", "0."}, {"5 + 2 =", "7."}}},
        {"AC ends it", {{"999999999999 + 1 = AC 2 * 3 =", "6."}}},
        {"integer digits kept past 14", {{"9999999 * 99999999 =", "999,999,890E"}}},
        {"below 10^12 is shown", {{"999999999999 + 0.5 =", "999,999,999,999.5"}}},
        {"negative -10^13 overflows", {{"0 - 9999999999999 - 1 =", "-10,000,000E"}}},
        {"negative just above -10^13 is shown", {{"0 - 9999999999999 =", "-9,999,999,999,999."}}},
        // The largest values the keys reach (a first operand of 12 digits after
        // activation, a second of 13): the overflow display, never inf or nan.
        {"largest product",
         {{"9999999999999 * 9999999999999 =", "9,999,999,999,989,000,000E"}, {"* =", "9,999,999,999,989,000,000E"}}},
        {"largest product on an operation key",
         {{"9999999999999 * 9999999999999 *", "9,999,999,999,989,000,000E"}}},
        {"powers by the constant",
         {{"999999 * =", "999,998,000,001."}, {"=", "999,997,000,002E"}, {"= = =", "999,997,000,002E"}}},
        {"largest quotient", {{"9999999999999 / .00000000001 =", "99,999,999,999,900,000E"}}},
        {"largest percent", {{"9999999999999 / .00000000001 %", "9,999,999,999,990,000,000E"}}},
        {"most negative product", {{"0 - 9999999999999 * 9999999999999 =", "-99,999,999,999,980,000,000E"}}},
    });

    Keypad k = started();
    run(k, "999999999999 + 1 =");
    EXPECT_EQ(k.ER, 1);
    EXPECT_EQ(k.NUM, 1000000);
    EXPECT_EQ(k.N, "1"); // the entry keeps its text
    EXPECT_FALSE(run(k, "5").focusText1);
}

TEST(KeypadOverflow, Cut)
{
    struct Row {
        double in;
        double out;
        int er;
    };
    const Row rows[] = {
        {33.333333333333336, 33.33333333333, 0},
        {0.6666666666666666, 0.6666666666666666, 0}, // 14 characters: not cut
        {-33.333333333333336, -33.3333333333, 0},
        {123456789012.3456, 123456789012.3, 0},
        {1e12, 1e6, 1},
        {2.5e13, 2.5e7, 1},
        {1e15, 1e9, 1},
        {-1e12, -1e12, 0},
        {-1e13, -1e7, 1},
    };
    for (const auto& r : rows) {
        Keypad k;
        k.NUM = r.in;
        k.EEE();
        EXPECT_DOUBLE_EQ(k.NUM, r.out) << r.in;
        EXPECT_EQ(k.ER, r.er) << r.in;
    }
}

TEST(KeypadMemory, Keys)
{
    // 1 M- and 101 times 9999999999999 M- (the first entry after the start
    // takes 12 digits): a memory of -1,009,999,999,999,900.
    std::string minuses = "1 M- ";
    for (int i = 0; i < 101; ++i)
        minuses += "9999999999999 M- ";
    runCases({
        {"memory sum", {{"5 M+", "5.", "memory"}, {"3 M+", "3.", "memory"}, {"MR", "8.", "memory"}}},
        {"minus back to zero", {{"5 M+ 5 M-", "5.", "memory"}, {"MR", "0.", "memory"}, {"MC", "0.", ""}}},
        {"MR after start", {{"MR", "0.", ""}}},
        {"memory total as first operand", {{"3 M+ + 2 =", "5."}}},
        {"MC shows the accumulator", {{"5 M+ 3 M+", "3.", "memory"}, {"MC", "8.", ""}}},
        {"memory cut keeps 14 characters with the blank", {{"100 / 3 = M+ C MR", "33.3333333333", "memory"}}},
        {"C keeps the memory", {{"7 M+ C", "0.", "memory"}, {"MR", "7."}}},
        {"AC clears the memory", {{"7 M+ AC", "0.", ""}, {"MR", "0."}}},
        {"CE keeps the memory", {{"7 M+ CE", "0.", "memory"}, {"MR", "7."}}},
        {"C clears the pending operation", {{"4 M+ 5 + C", "0.", "memory"}, {"3 =", "3."}}},
        {"MR of 10^12", {{"999999999999 M+ 1 M+ MR", "1,000,000E"}, {"5 + =", "1,000,000E"}}},
        {"memory keys run in the overflow state",
         {{"999999999999 + 1 = MC", "1,000,000.", ""}, {"5 +", "1,000,000."}, {"MR", "0E"}, {"C 2 =", "2."}}},
        {"MC after an overflowing MR shows the accumulator",
         {{"999999999999 M+ 1 M+ 5 + 3 = MR", "1,000,000E"}, {"MC", "8.", ""}, {"4 =", "8."}}},
        {"MR of -10^13", {{"1 M- 9999999999999 M- MR", "-10,000,000E"}}},
        // Below -10^15 the memory's result text is in the E form, so only its
        // size makes the overflow display.
        {"MR of less than -10^15", {{minuses.c_str(), "9,999,999,999,999.", "memory"},
                                    {"MR", "-1,009,999,999E", "memory"},
                                    {"C MR", "-1,009,999,999E"}}},
        {"memory after the largest product",
         {{"9999999999999 * 9999999999999 = M+", "9,999,999,999,989,000,000E", "memory"},
          {"MR", "9,999,999E", "memory"}, {"M+ M+ MR", "9,999,999E", "memory"}, {"MC", "9,999,999,999,999.", ""}}},
    });

    Keypad k = started();
    run(k, "999999999999 M+ 1 M+ MR");
    EXPECT_EQ(k.ER, 1);
    EXPECT_EQ(k.MEM1, 1e12); // kept whole
    run(k, "C MR");
    EXPECT_EQ(k.display, "1,000,000E");
    run(k, "C 2 M- MR");
    EXPECT_EQ(k.display, "999,999,999,998.");
    EXPECT_EQ(k.N, " 999999999998");
    EXPECT_EQ(k.KI, "=");
}

TEST(KeypadKeyboard, KeyCodes)
{
    const std::pair<int, int> rows[] = {
        {96, 10}, {97, 1}, {101, 5}, {105, 9}, {110, 11}, {107, 13}, {109, 15},
        {106, 16}, {111, 17}, {146, 14}, {13, 14}, {36, 26},
        {98, 2}, {104, 8}, {95, 0}, {108, 0},
        {48, 0}, {49, 0}, {57, 0}, {190, 0}, {8, 0}, {46, 0}, {35, 0}, {112, 0},
    };
    for (const auto& [code, command] : rows)
        EXPECT_EQ(quorvel::commandForKeyCode(code), command) << code;
}
