#include "sumlet/adding/tape_print_layout.h"

#include "runtime/format.h"
#include "sumlet/adding/tape.h"

namespace sumlet {

std::string tapePrintHeading(int count, double total)
{
    // The count printed as a number: a blank before it and one after it.
    return "件数: " + std::to_string(count) + " 件　　　合計："
           + runtime::Format(total, "#,0.######");
}

TapePrintLayout layoutTapePrint(const AddingTape& tape, bool lineNumbers)
{
    using L = TapePrintLayout;
    L layout;
    const std::string heading = tapePrintHeading(tape.EntryCount, tape.EntryTotal);
    int i = 1;
    do {
        TapePrintPage page;
        page.heading = heading;
        int line = 0;
        int column = 0;
        for (; i <= tape.EntryCount; ++i) {
            if (++line > L::LinesPerColumn) {
                line = 1;
                if (++column >= L::ColumnsPerPage)
                    break; // page full: entry i starts the next page
            }
            TapePrintLine pl;
            pl.entry = i;
            pl.column = column;
            pl.line = line;
            pl.down = 3.0 + 1.2 * line;
            const double x = L::ColumnStep * column;
            if (lineNumbers)
                pl.number = runtime::Format(i, "####0:");
            pl.numberLeft = x + 7.0;
            pl.value = runtime::Format(tape.value(i), "#,0.######");
            pl.valueLeft = x + 16.0;
            page.lines.push_back(std::move(pl));
        }
        layout.pages.push_back(std::move(page));
    } while (i <= tape.EntryCount);
    return layout;
}

} // namespace sumlet
