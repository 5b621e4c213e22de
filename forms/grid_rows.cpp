#include "forms/grid_rows.h"

#include "forms/flex_grid.h"
#include "forms/services.h"

namespace forms {

void copyGridRows(FlexGrid& g, Services& services, int lastRow)
{
    services.ClipboardClear();
    g.setRow(0);
    g.setCol(0);
    g.setRowSel(lastRow);
    g.setColSel(g.Cols() - 1);
    services.ClipboardSetText(g.Clip());
    if (g.Rows() > 1)
        g.setRow(1);
    g.setCol(1);
}

void selectWholeRows(FlexGrid& g)
{
    g.setCol(0);
    g.setColSel(g.Cols() - 1);
}

} // namespace forms
