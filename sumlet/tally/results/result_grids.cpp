#include "sumlet/tally/results/result_grids.h"

#include <limits>

#include "forms/flex_grid.h"
#include "forms/formatted.h"
#include "runtime/format.h"
#include "sumlet/tally/engine/tally_rows.h"

namespace sumlet {

using forms::formatted;

void alignResultGrid(forms::FlexGrid& g)
{
    for (int c = 1; c <= 3; ++c)
        g.setColAlignment(c, 7);
    g.setFixedAlignment(0, 7);
    for (int c = 1; c <= 3; ++c)
        g.setFixedAlignment(c, 4);
}

void fillResultRows(forms::FlexGrid& g, const runtime::ValueArray& key, const runtime::ValueArray& count,
                    const runtime::ValueArray& amount, const runtime::Value& n)
{
    // A grid holds at most int rows; the engine never gets near that.
    const long rows = tally_detail::loopBound(n, std::numeric_limits<int>::max() - 1);
    g.setRows(static_cast<int>(rows) + 1);
    for (int r = 1; r <= rows; ++r) {
        g.setTextMatrix(r, 0, formatted(r, "0 "));
        g.setTextMatrix(r, 1, formatted(key.get(r), "0 "));
        g.setTextMatrix(r, 2, formatted(count.get(r), "0 "));
        g.setTextMatrix(r, 3, formatted(amount.get(r), "#,0 "));
    }
}

} // namespace sumlet
