// The tally's prints and the result list's texts: the key-by-month result
// list (on screen in ICHIRAN and on paper) and the entered rows per month.
#pragma once

#include <QString>

#include "forms/printer.h"
#include "runtime/value.h"
#include "sumlet/tally/engine/tally_data.h"

namespace forms {
class Form;
}

namespace sumlet {

class Program;

// Months and key rows of the result table as the last compute built it:
// the months come from the table's own columns (or, without a table, from
// the month totals, then MonthCount), the keys are KeyCount but never more
// than the table holds. Readers never look outside these.
struct ResultListShape {
    int months = 1;   // 1..6
    int keys = 0;     // 0..rows of ResultTable
};
ResultListShape resultListShape(const TallyData& t);

// A value in a number pattern; a value that holds nothing (a key absent
// from a month) gives an empty text.
QString tallyCellText(const runtime::Value& v, const char* pattern);

// The result list on paper, landscape, keysPerPage key rows a page (10 or 40).
// Draws the whole document and ends it; no guard of its own.
forms::PrintOutcome PrintResultList(forms::Printer& printer, const TallyData& t, int keysPerPage);

// The entered rows of months first..last, portrait, a page break after each
// month; the month totals are summed from the month's rows.
forms::PrintOutcome PrintEntries(forms::Printer& printer, const TallyData& t, int firstMonth, int lastMonth);

// What a form says of a print job: the warning when it could not be done.
// True when the document was printed.
bool reportPrint(forms::Form& caller, forms::PrintOutcome outcome);

} // namespace sumlet
