// The formula window's evaluator: one call per "計算". No widgets: the form
// stores the edited line first, then hands the formula and the 26 variable
// formulas here and shows what comes back.
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
