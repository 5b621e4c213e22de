// The result grids of the tally form: alignment and rows.
#pragma once

#include "runtime/value.h"

namespace forms {
class FlexGrid;
}

namespace sumlet {

// Key, count and amount cells right-aligned, "NO" column right-aligned,
// the other headings centred.
void alignResultGrid(forms::FlexGrid& g);

// Rows := n + 1; row r = 1..n shows r "0 ", key "0 ", count "0 " and
// amount "#,0 " from element r of the arrays.
void fillResultRows(forms::FlexGrid& g, const runtime::ValueArray& key, const runtime::ValueArray& count,
                    const runtime::ValueArray& amount, const runtime::Value& n);

} // namespace sumlet
