// The formula window's print.
#pragma once

#include "quorvel/formula/formula_lines.h"

#include "forms/printer.h"

#include <string>

namespace quorvel {

// Prints the edited letter's prefix with its formula, "   = " with the
// result text, a rule of 60 hyphens and every line that holds a formula,
// each on a line of its own, then ends the document.
forms::PrintOutcome printFormulaSet(forms::Printer& printer, const FormulaLineSet& lines, int edited,
                                    const std::string& formula, const std::string& result);

} // namespace quorvel
