// The result grids of the tally form: alignment, rows and copy.
#pragma once

#include "runtime/value.h"

namespace forms {
class FlexGrid;
class Services;
}

namespace sumlet {

// Key, count and amount cells right-aligned, "NO" column right-aligned,
// the other headings centred.
void alignResultGrid(forms::FlexGrid& g);

// Rows := n + 1; row r = 1..n shows r "0 ", key "0 ", count "0 " and
// amount "#,0 " from element r of the arrays.
void fillResultRows(forms::FlexGrid& g, const runtime::ValueArray& key, const runtime::ValueArray& count,
                    const runtime::ValueArray& amount, const runtime::Value& n);

// Puts the whole grid, heading row and "NO" column included, on the
// clipboard (TAB between cells, CR between rows), then makes row 1,
// column 1 current when there is a row 1.
void copyWholeGrid(forms::FlexGrid& g, forms::Services& services);

} // namespace sumlet
