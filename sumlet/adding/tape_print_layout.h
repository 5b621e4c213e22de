// Layout of the printed tape: four columns of sixty values a page, the
// heading on every page, line numbers on or off. Places are in units of the
// body font's "A": across in its width w, down in its height h, from the top
// left of the printable page. Texts are right-aligned in their fields.
#pragma once

#include <string>
#include <vector>

namespace sumlet {

struct AddingTape;

struct TapePrintLine {
    int entry = 0;          // tape index i
    int column = 0;         // 0..3
    int line = 0;           // 1..60 within the column
    double down = 0.0;      // 3 + 1.2 * line (in h)
    std::string number;     // "####0:" of i; empty when line numbers are off
    double numberLeft = 0;  // field of 4 w starting here (in w)
    std::string value;      // "#,0.######" of Tape(i)
    double valueLeft = 0;   // field of 15 w starting here (in w)
};

struct TapePrintPage {
    std::string heading;    // printed at across headingAcross, down headingDown
    std::vector<TapePrintLine> lines;
};

struct TapePrintLayout {
    static constexpr int LinesPerColumn = 60;
    static constexpr int ColumnsPerPage = 4;
    static constexpr double ColumnStep = 27.0;
    static constexpr double HeadingAcross = 7.0;
    static constexpr double HeadingDown = 2.0;
    static constexpr double NumberWidth = 4.0;
    static constexpr double ValueWidth = 15.0;
    std::vector<TapePrintPage> pages; // at least one
};

// The heading: "件数:" count "件　　　合計：" total.
std::string tapePrintHeading(int count, double total);

TapePrintLayout layoutTapePrint(const AddingTape& tape, bool lineNumbers);

} // namespace sumlet
