// The evaluator's bound on work: arithmetic steps and function calls per
// evaluation. More ends it with "文法エラー！".
#pragma once

#include "quorvel/formula/evaluator.h"

namespace quorvel::formula {

inline constexpr int kStepLimit = 10000;

// evaluate() with another bound (the limit itself is checked with small ones).
Evaluation evaluateWithStepLimit(std::string_view formula, const VariableFormulas& variables,
                                 int edited, int stepLimit);

} // namespace quorvel::formula
