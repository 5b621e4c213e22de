// The formula evaluator: worked examples, precedence, functions, messages.
#include "quorvel/formula/evaluator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace quorvel::formula;

namespace {

struct Case {
    const char* formula;
    const char* caption;
};

// Variables of the worked examples: A holds 3, B holds 2*A; D is edited.
VariableFormulas examples()
{
    VariableFormulas v;
    v[0] = "3";
    v[1] = "2*A";
    return v;
}

void expectCaptions(const std::vector<Case>& cases, const VariableFormulas& vars, int edited)
{
    for (const Case& c : cases) {
        Evaluation e = evaluate(c.formula, vars, edited);
        EXPECT_EQ(e.caption, c.caption) << "formula " << c.formula;
    }
}

} // namespace

TEST(FormulaEvaluator, WorkedExamples)
{
    expectCaptions({
        {"B+1", "7. "},
        {"Sin(Cos(0))", "0.01745240643728 "},
        {"pi*2", "6.28318530717958 "},
        {"+5", "5. "},
        {"++5", "文法エラー！"},
        {"D+1", "文法エラー！自己変数"},
    }, examples(), 3);
}

TEST(FormulaEvaluator, EmptyFormula)
{
    Evaluation e = evaluate("", examples(), 3);
    EXPECT_FALSE(e.failed);
    EXPECT_EQ(e.caption, "0. ");
    EXPECT_EQ(e.NN, "0");
    EXPECT_EQ(e.EQ, "0");
}

// Signs and precedence where plain text rewriting goes wrong.
TEST(FormulaEvaluator, SignsAndPrecedence)
{
    VariableFormulas v;
    v[0] = "-3";  // A
    v[1] = "-4";  // B
    VariableFormulas six;
    six[0] = "2";
    expectCaptions({
        {"5--3+1", "9. "},
        {"-2^3*-6", "48. "},
        {"2/-(3)", "-0.666666666666667 "},
        {"-Int(-2.5)", "3. "},
        {"Int(-2.5)^2", "9. "},
        {"1+-3^2", "-8. "},
        {"A^2+B^2", "25. "},
        {"A^2+1", "10. "},
        {"2^3^2", "64. "},
        {"-3^2", "-9. "},
        {"5-3^2", "-4. "},
        {"(-3)^2", "9. "},
        {"2^-1", "0.5 "},
    }, v, 25);
    expectCaptions({{"6/-A", "-3. "}}, six, 25);
}
