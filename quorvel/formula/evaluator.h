// The formula window's evaluator: one call per "計算". No widgets: the form
// stores the edited line first, then hands the formula and the 26 variable
// formulas here and shows what comes back.
//
// The model. The window's results are defined by a step-by-step rewriting
// of the formula text: variables, Pi and function calls (the right-most
// first) are replaced by their values; then the innermost parentheses are
// reduced first, a text without parentheses one operator at a time, all
// "^", then all "/", "*", "+" and "-", each kind from the left; every
// step's result is written back into the text at 15 significant digits and
// read from there by the next step.
//
// This evaluator parses instead (the arithmetic on a text without
// parentheses is flat_arithmetic.h) and gives the same value and the same
// first failure: each step is rounded as the rewriting rounds it, and of
// several failures the one the rewriting meets first gives the message.
// The one freedom: "*" with "/", and "+" with "-", are worked in one pass
// from the left, so where that order changes the rounding the last digit
// may differ ("3*1/3" gives 1, the rewriting 0.999999999999999).
//
// A text that the rewriting would turn into a wrong value instead of a
// message (two numbers side by side, as in "2 3") gives "文法エラー！"; so
// do a value beyond the number range and more than kStepLimit steps
// (step_limit.h).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorvel::formula {

inline constexpr int kVariableCount = 26;

// The formulas of A..Z (index 0 = A), without their "A: " prefix.
using VariableFormulas = std::array<std::string, kVariableCount>;

// Messages that end an evaluation (each shown in Label1 after a beep).
inline constexpr std::string_view kSyntaxError = "文法エラー！";
inline constexpr std::string_view kSelfReference = "文法エラー！自己変数";
inline constexpr std::string_view kDivideByZero = "文法エラー！0で除算";
inline constexpr std::string_view kUnbalanced = "文法エラー！ｶｯｺが合わない";

// Label1's pattern for a result, and its caption for an empty formula.
inline constexpr std::string_view kResultPattern = "#,0.################# ";
inline constexpr std::string_view kEmptyCaption = "0. ";

struct Evaluation {
    // True when a message ended the evaluation: the form beeps and
    // `caption` is the message.
    bool failed = false;
    // The message ("" when none): one of the k... texts above.
    std::string message;
    // Label1's caption afterwards: the result in kResultPattern
    // ("7. ", "1,234.5 "), "0. " for an empty formula, or the message.
    std::string caption;
    // The formula as the evaluation left it (variables expanded, Pi and
    // function calls replaced by their values); "0" for an empty formula.
    std::string NN;
    // The result text ("7.", "0.5"); "0" for an empty formula; the message
    // when one ended the evaluation. The print's result line is
    // "   = " & runtime::formatText(EQ, kResultPattern), so it never shows a
    // previous result.
    std::string EQ;
};

// Evaluates `formula` (the text just stored for the letter with index
// `edited`, 0..25; any other index names no variable). `variables` holds the
// 26 stored formulas, the edited one included.
Evaluation evaluate(std::string_view formula, const VariableFormulas& variables, int edited);

} // namespace quorvel::formula
