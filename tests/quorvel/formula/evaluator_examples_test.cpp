// The formula evaluator: worked examples, precedence, functions, variables,
// every message and its trigger.
#include "quorvel/formula/evaluator.h"
#include "quorvel/formula/step_limit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace quorvel::formula;

namespace {

struct Case {
    std::string formula;
    std::string caption;
};

constexpr int kZ = 25;

// Variables of the worked examples: A holds 3, B holds 2*A; D is edited.
VariableFormulas examples()
{
    VariableFormulas v;
    v[0] = "3";
    v[1] = "2*A";
    return v;
}

// The edited variable holds the formula, as the form stores it first.
Evaluation run(const std::string& formula, VariableFormulas vars, int edited)
{
    if (edited >= 0 && edited < kVariableCount)
        vars[static_cast<std::size_t>(edited)] = formula;
    return evaluate(formula, vars, edited);
}

void expectCaptions(const std::vector<Case>& cases, const VariableFormulas& vars = {},
                    int edited = kZ)
{
    for (const Case& c : cases) {
        Evaluation e = run(c.formula, vars, edited);
        EXPECT_EQ(e.caption, c.caption) << "formula " << c.formula;
        bool message = c.caption.rfind("文法エラー！", 0) == 0;
        EXPECT_EQ(e.failed, message) << "formula " << c.formula;
        EXPECT_EQ(e.message, message ? c.caption : "") << "formula " << c.formula;
    }
}

} // namespace

// The worked examples, with NN and EQ as the print reads them where given:
// NN as the function stage left it, EQ the result, never an old one.
TEST(FormulaEvaluator, WorkedExamples)
{
    const struct {
        const char* formula;
        const char* caption;
        const char* NN;   // nullptr: not checked
        const char* EQ;
    } rows[] = {
        {"B+1", "7. ", "(2*(3))+1", "7."},
        {"Sin(Cos(0))", "0.01745240643728 ", "0.01745240643728", "0.01745240643728"},
        {"Int(-2.5)^2+Pi", "12.1415926535898 ", "(-3.)^2+3.14159265358979", "12.1415926535898"},
        {"", "0. ", "0", "0"},
        {"1/0", "文法エラー！0で除算", "1/0", "文法エラー！0で除算"},
        {"pi*2", "6.28318530717958 ", nullptr, nullptr},
        {"+5", "5. ", nullptr, nullptr},
        {"++5", "文法エラー！", nullptr, nullptr},
        {"D+1", "文法エラー！自己変数", nullptr, nullptr},
        {"2+3*4", "14. ", nullptr, nullptr},
        {"5-3^2", "-4. ", nullptr, nullptr},
        {"-3^2", "-9. ", nullptr, nullptr},
        {"8/2*4", "16. ", nullptr, nullptr},
        {"2-(-3)", "5. ", nullptr, nullptr},
        {"-(2+3)", "-5. ", nullptr, nullptr},
        {"2^-(1)", "0.5 ", nullptr, nullptr},
        {"(1+2", "文法エラー！ｶｯｺが合わない", nullptr, nullptr},
        {"()", "文法エラー！", nullptr, nullptr},
        {"3)+(2", "文法エラー！", nullptr, nullptr},
    };
    for (const auto& r : rows) {
        expectCaptions({{r.formula, r.caption}}, examples(), 3);
        const Evaluation e = run(r.formula, examples(), 3);
        if (r.NN) {
            EXPECT_EQ(e.NN, r.NN) << r.formula;
            EXPECT_EQ(e.EQ, r.EQ) << r.formula;
        }
    }
}

// Signs and precedence: "^" first (chains left to right, tighter than a sign
// in front), a sign after an operator belongs to what follows, groups,
// calls and variables are one operand.
TEST(FormulaEvaluator, SignsAndPrecedence)
{
    VariableFormulas v;
    v[0] = "-3";  // A
    v[1] = "-4";  // B
    v[2] = "2";   // C
    expectCaptions({
        {"5--3+1", "9. "},
        {"-2^3*-6", "48. "},
        {"2/-(3)", "-0.666666666666667 "},
        {"6/-C", "-3. "},
        {"-Int(-2.5)", "3. "},
        {"Int(-2.5)^2", "9. "},
        {"1+-3^2", "-8. "},
        {"A^2+B^2", "25. "},
        {"A^2+1", "10. "},
        {"-A^2", "-9. "},
        {"2^A", "0.125 "},
        {"2^3^2", "64. "},
        {"2^-3^2", "0.015625 "},
        {"(-3)^2", "9. "},
        {"(-3^2)", "-9. "},
        {"-1+(3^2)", "8. "},
        {"2^-1", "0.5 "},
        {"2*-3", "-6. "},
        {"5--3", "8. "},
        {"--3", "3. "},
        {"5---3", "2. "},
        {"3*+2", "6. "},
        {"2^+3", "8. "},
        {"1+2*3^2-4/2", "17. "},
        {"-(2)^2", "-4. "},
        {"2^(1+1)^2", "16. "},
        {"((1+2)*(3+4))", "21. "},
        {"1+(+2)", "3. "},
        {"1+(+2*3)", "7. "},
    }, v);
}

// Numbers in the result pattern, every function in degrees and any letter
// case, and Pi.
TEST(FormulaEvaluator, NumbersFunctionsAndPi)
{
    expectCaptions({
        {".5", "0.5 "},
        {"-.5", "-0.5 "},
        {"5.-3", "2. "},
        {"10/4", "2.5 "},
        {"1/3", "0.333333333333333 "},
        {"2/3", "0.666666666666667 "},
        {"1234.5", "1,234.5 "},
        {"1000000*1000000", "1,000,000,000,000. "},
        {"-1234567.25", "-1,234,567.25 "},
        {"0.1+0.2", "0.3 "},
        // Blanks stay with the number they stand by, and after a number they
        // end the text: a blank next to an operator is an error (Messages).
        {"2+3 ", "5. "},
        {"  7", "7. "},
        {" ", "0. "},
        {"(1 )", "1. "},
        {"( 1)", "1. "},
        {"( )", "0. "},
        {"(2+3 )", "5. "},
        {"3*(2 )", "6. "},
        {"((2) )", "2. "},
        {" 2^3", "8. "},
        {"( 2^3)", "8. "},
        {" (2)^2", "4. "},
        {" 2^-1", "0.5 "},
        {" 2^+3", "8. "},
        {" -2^2", "-4. "},
        {" -2^2^3", "-64. "},
        {" -2^3^2", "-64. "},
        {"0", "0. "},
        {"-0", "0. "},
        {".", "0. "},
        {"123456789012345678", "123,456,789,012,346,000. "},

        {"Abs(-2.5)", "2.5 "},
        {"Atn(1)", "45. "},
        {"Atn(-1)", "-45. "},
        {"Cos(60)", "0.5 "},
        {"Exp(1)", "2.71828182845905 "},
        {"Exp(0)", "1. "},
        {"Fix(-2.5)", "-2. "},
        {"Fix(2.5)", "2. "},
        {"Int(-2.5)", "-3. "},
        {"Int(2.5)", "2. "},
        {"Log(10)", "2.30258509299405 "},
        {"Sin(30)", "0.5 "},
        {"sIN(30)", "0.5 "},
        {"Sin( 30)", "0.5 "},
        {"Sin(30 )", "0.5 "},
        {"Sin( 30 )*2", "1. "},
        {"Sin( )", "0. "},
        {"Sqr( 4^2)", "4. "},
        {"SIN(-30)", "-0.5 "},
        {"Sin(180)", "0. "},
        {"Sqr(2)", "1.4142135623731 "},
        {"sqr(16)", "4. "},
        {"Tan(45)", "1. "},
        {"tAN(45)+aBs(-1)", "2. "},
        {"Sqr(Abs(-16))*2", "8. "},
        {"Log(Exp(2))", "2. "},
        {"2^Sqr(4)", "4. "},
        {"Abs(-3)^2", "9. "},
        {"10-Abs(-3)", "7. "},

        {"Pi", "3.14159265358979 "},
        {"PI", "3.14159265358979 "},
        {"pI*1", "3.14159265358979 "},
        {"2*pi", "6.28318530717958 "},
        {"(Pi)", "3.14159265358979 "},
        {"Sin(Pi/Pi*30)", "0.5 "},
        {"-Pi^2", "-9.86960440108934 "},
        {"Pi(2)", "文法エラー！"},
    });
}

TEST(FormulaEvaluator, Variables)
{
    VariableFormulas v;
    v[0] = "1";       // A
    v[1] = "a*2";     // B refers to A in small letters
    v[2] = "B+A";     // C refers to B, which refers to A
    v[3] = "";        // D empty counts as (0)
    v[4] = "Pi";      // E brings Pi in
    v[5] = "-3";      // F negative
    v[6] = "30";      // G
    v[7] = "2 ";      // H
    v[8] = " 2";      // I
    expectCaptions({
        {"a+a+a", "3. "},
        {"A+a", "2. "},
        {"C", "3. "},
        {"c*C", "9. "},
        {"D+5", "5. "},
        {"E*2", "6.28318530717958 "},
        {"F^2", "9. "},
        {"-F", "3. "},
        {"2-F", "5. "},
        {"Sing", "0.5 "},            // the sine of G
        {"Sin(G)+Cos(g*2)", "1. "},
        {"Sin+1", "文法エラー！"},     // "n+" is the variable N
        // A blank stored after or before a variable's formula.
        {"H", "2. "},
        {"(h)", "2. "},
        {"3*H", "6. "},
        {"Sin(H)*1", "0.0348994967025 "},
        {"H*3", "文法エラー！"},
        {"H+1", "文法エラー！"},
        {"I", "2. "},
        {"I^2", "4. "},
        {"I*3", "文法エラー！"},
        {"3*I", "文法エラー！"},
        {"6/I", "文法エラー！0で除算"},
        // A blank after a variable is its follower: the one at the end waits
        // for the next pass, which never comes once its blank is gone.
        {"Sin(g )+1", "1.5 "},
        {"Sin(g )+G", "文法エラー！"},
        {"X(1)", "文法エラー！"},
        {"SinA(2)", "文法エラー！"},
    }, v);

    // Through other variables back to the edited one, either case.
    VariableFormulas cycle;
    cycle[0] = "d*2"; // A refers to D
    cycle[1] = "A+1"; // B refers to A
    expectCaptions({
        {"B+1", "文法エラー！自己変数"},
        {"d", "文法エラー！自己変数"},
        {"b-1", "文法エラー！自己変数"},
    }, cycle, 3);

    // A and B refer to each other; C, which uses them, grows past 500.
    VariableFormulas loop;
    loop[0] = "B+1";
    loop[1] = "A+1";
    expectCaptions({{"A", "文法エラー！"}}, loop, 2);
}

// The 500 characters of an expansion, the 100 characters of a step and the
// bound on steps.
TEST(FormulaEvaluator, Limits)
{
    // A is a deep nest of parentheses; "A" becomes "(" A ")" plus the blank
    // that the pass adds: 500 characters pass, 501 do not.
    VariableFormulas v;
    v[0] = std::string(248, '(') + "1" + std::string(248, ')'); // 497
    expectCaptions({{"A", "1. "}}, v);
    v[0] = std::string(248, '(') + "12" + std::string(248, ')'); // 498
    expectCaptions({{"A", "文法エラー！"}}, v);

    // 1+1+...+1: 100 characters may be worked on, 101 not; the limit holds
    // for the text of one group, and a long number alone needs no step.
    std::string hundred = "11";
    for (int i = 0; i < 49; ++i)
        hundred += "+1";
    ASSERT_EQ(hundred.size(), 100u);
    expectCaptions({{hundred, "60. "},
                    {"1+" + hundred, "文法エラー！"},
                    {"(" + hundred + ")+(" + hundred + ")", "120. "},
                    {std::string(120, '0') + "7", "7. "}});

    // 1+2*3^2 takes three steps; Sqr(4)+1 takes two.
    const struct {
        const char* formula;
        int limit;
        const char* caption;
    } steps[] = {{"1+2*3^2", 3, "19. "}, {"1+2*3^2", 2, "文法エラー！"},
                 {"Sqr(4)+1", 2, "3. "}, {"Sqr(4)+1", 1, "文法エラー！"}};
    for (const auto& r : steps)
        EXPECT_EQ(evaluateWithStepLimit(r.formula, {}, kZ, r.limit).caption, r.caption) << r.formula;
}

// Every message with the triggers that give it.
TEST(FormulaEvaluator, Messages)
{
    VariableFormulas v;
    v[0] = "2";
    v[1] = "+5";
    expectCaptions({
        // No implicit multiplication, a variable is one letter.
        {"2A", "文法エラー！"},
        {"A2", "文法エラー！"},
        {"2(3)", "文法エラー！"},
        {"(2)3", "文法エラー！"},
        {")A", "文法エラー！"},
        {"(2)(3)", "文法エラー！"},
        {"2.(3)", "文法エラー！"},
        {"(A)(A)", "文法エラー！"},
        {"2.5.5", "文法エラー！"},
        {"2 3", "文法エラー！"},
        {"2 +3", "文法エラー！"},
        {"(1) (2)", "文法エラー！"},
        // Blanks next to an operator: no left operand, or no right operand
        // (read as 0, so "/" divides by zero); a lone sign before a blank.
        {"2+ 3", "文法エラー！"},
        {"2 /3", "文法エラー！"},
        {"2^ 3", "文法エラー！"},
        {"2 ^3", "文法エラー！"},
        {"2*- 3", "文法エラー！"},
        {"- 3", "文法エラー！"},
        {"-( 3)", "文法エラー！"},
        {"(2 )*3", "文法エラー！"},
        {"3*( 2)", "文法エラー！"},
        {"2/ 3", "文法エラー！0で除算"},
        {"6/- 3", "文法エラー！0で除算"},
        {"6/( 3)", "文法エラー！0で除算"},
        {"6/-( 3)", "文法エラー！"},
        {"2/", "文法エラー！0で除算"},
        {"2/*3", "文法エラー！0で除算"},
        {"2^/3", "文法エラー！"},
        // Powers, then divisions, then the rest: the first failure counts.
        {"2* 3/0", "文法エラー！0で除算"},
        {"0^-1* 2", "文法エラー！0で除算"},
        {"2^ 3/0", "文法エラー！"},
        {"2/ 3+(-1)^0.5", "文法エラー！"},
        // Blanks in front: a "*", "/", "+" or "-" step leaves its sign after
        // them; a sign in front survives only an even power.
        {" 2+3", "文法エラー！"},
        {" 2+3 ", "文法エラー！"},
        {" 2*3", "文法エラー！"},
        {"( 2-3)", "文法エラー！"},
        {"Sin( 2-3)", "文法エラー！"},
        {" +2", "文法エラー！"},
        {" -3", "文法エラー！"},
        {"Sin( -30)", "文法エラー！"},
        {" --2^2", "文法エラー！"},
        {" -2^3", "文法エラー！"},
        {" -2^0.5", "文法エラー！"},
        {" -(2)^2", "文法エラー！"},
        {" 6/2/0", "文法エラー！0で除算"},
        {"2.Sin(30)", "文法エラー！"},
        // A "+" pair at the start; a "+" group with nothing to add.
        {"-+5", "文法エラー！"},
        {"(+5)", "文法エラー！"},
        {"1+(+2)+(+3)", "文法エラー！"},
        {"B*2", "文法エラー！"},
        // A letter left, a function name without "(".
        {"Sin 30", "文法エラー！"},
        {"Sin.5", "文法エラー！"},
        {"Abs", "文法エラー！"},
        // Operators without an operand.
        {"*3", "文法エラー！"},
        {"2+*3", "文法エラー！"},
        {"3*", "文法エラー！"},
        {"2-", "文法エラー！"},
        {"(^2)", "文法エラー！"},
        // Parentheses.
        {")(", "文法エラー！"},
        {"1+2)", "文法エラー！ｶｯｺが合わない"},
        {"Sin(1+(2)", "文法エラー！ｶｯｺが合わない"},
        // Invalid arguments and values that are not finite.
        {"Log(0)", "文法エラー！"},
        {"Log(-1)", "文法エラー！"},
        {"Sqr(-1)", "文法エラー！"},
        {"10^400", "文法エラー！"},
        {"Exp(1000)", "文法エラー！"},
        {"1E308+1E308", "文法エラー！"},          // "E" after a digit
        {"10^308+10^308", "文法エラー！"},
        {"Exp(709)+Exp(709)", "文法エラー！"},
        {"-Exp(709)-Exp(709)", "文法エラー！"},
        {"1" + std::string(400, '0'), "文法エラー！"},
        {"(-8)^(1/3)", "文法エラー！"},
        {"(-2)^0.5", "文法エラー！"},
        {"Abs(-2)^0.5", "1.4142135623731 "},
        {"(-2)^3", "-8. "},
        // Division by zero, also 0/0 and 0 to a negative power.
        {"0/0", "文法エラー！0で除算"},
        {"0^-1", "文法エラー！0で除算"},
        {"1/(2-2)", "文法エラー！0で除算"},
        {"Sin(1/0)", "文法エラー！0で除算"},
        {"0^0", "1. "},
        // Characters the evaluator does not know.
        {"2#3", "文法エラー！"},
        {"2+3=", "文法エラー！"},
        {"１+2", "文法エラー！"},
        // The self reference comes before the rest.
        {"Z*2", "文法エラー！自己変数"},
        // Function calls are worked out before the whole formula, right-most first.
        {"Log(0)+(1", "文法エラー！"},
        {"Sqr(-1)+Log(0)/0", "文法エラー！"},
        {"(1/0)+3)+(2", "文法エラー！0で除算"},
        {"(*3)+(1/0)", "文法エラー！"},
    }, v);
}
