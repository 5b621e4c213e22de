#include "quorvel/formula/formula_print.h"

#include <QString>

namespace quorvel {

forms::PrintOutcome printFormulaSet(forms::Printer& printer, const FormulaLineSet& lines, int edited,
                                    const std::string& formula, const std::string& result)
{
    const int at = edited >= 0 && edited < kFormulaCount ? edited : 0;
    printer.Print(QString::fromStdString(lines[at].substr(0, 3) + formula));
    printer.Print(QString::fromStdString("   = " + result));
    printer.Print(QString(60, QChar('-')));
    for (const std::string& line : lines)
        if (line.size() > 3)
            printer.Print(QString::fromStdString(line));
    return printer.EndDoc();
}

} // namespace quorvel
