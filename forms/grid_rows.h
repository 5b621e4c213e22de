// Whole-row operations on a FlexGrid that several forms share: copying rows
// to the clipboard and keeping a selection to whole rows.
#pragma once

namespace forms {

class FlexGrid;
class Services;

// Empties the clipboard, selects rows 0..lastRow in every column (heading
// row and column 0 included) and puts that block's Clip text on the
// clipboard (TAB between cells, CR between rows). Then makes row 1,
// column 1 current, which ends the selection; a grid with its heading row
// only keeps row 0.
void copyGridRows(FlexGrid& g, Services& services, int lastRow);

// Widens the selection to whole rows: current column 0, selection end in
// the last column.
void selectWholeRows(FlexGrid& g);

} // namespace forms
