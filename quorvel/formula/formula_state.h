// What the formula window keeps for the whole run: its variable lines and
// public members outlive each showing of the window; only its controls
// start afresh.
#pragma once

#include "quorvel/formula/formula_lines.h"

#include <QString>
#include <optional>
#include <string>

namespace quorvel {

struct FormulaState {
    FormulaLineSet FormulaLines = emptyLineSet();
    // Index of the letter being edited (0 = A); negative: none.
    int XX = 0;
    // The formula text just stored.
    std::string ZZ;
    // The formula as the last evaluation left it, or as choosing set it.
    std::string NN;
    // The result text of the last evaluation (the message after a failure).
    std::string EQ;
    // True while EQ belongs to NN (set by an evaluation, cleared when the
    // edited formula is chosen afresh).
    bool resultCurrent = false;
    // Insert keys: the text to insert and the caret position.
    QString ABB;
    int UU = 0;
};

} // namespace quorvel
