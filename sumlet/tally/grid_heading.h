// The heading row shared by the tally form's entry and result grids.
#pragma once

#include <QString>

#include "forms/flex_grid.h"

namespace sumlet {

// Row 0: "NO", the key caption, "件数", "金　額".
inline void writeHeadingRow(forms::FlexGrid& g, const QString& keyName)
{
    g.setTextMatrix(0, 0, QStringLiteral("NO"));
    g.setTextMatrix(0, 1, keyName);
    g.setTextMatrix(0, 2, QStringLiteral("件数"));
    g.setTextMatrix(0, 3, QStringLiteral("金　額"));
}

} // namespace sumlet
