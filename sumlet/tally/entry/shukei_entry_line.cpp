// The entry line Text3 / Text4 / Text5 over the entry grid G1.
#include "sumlet/tally/shukei_form.h"

#include "forms/formatted.h"
#include "runtime/format.h"
#include "runtime/key_codes.h"
#include "runtime/number_text.h"
#include "sumlet/program.h"
#include "sumlet/tally/engine/tally_data.h"

#include <algorithm>

namespace sumlet {

using forms::formatted;

namespace {

constexpr int VisibleRows = 10;

double lineTop(double onScreen) { return onScreen * 240 + 660; }

} // namespace

// Places the three boxes on line InputRowOnScreen.
void SHUKEI::placeEntryLine()
{
    const double top = lineTop(tally().InputRowOnScreen.num());
    for (forms::TextBox* b : {&Text3, &Text4, &Text5})
        b->setTop(top);
}

void SHUKEI::lineDown(bool moveCurrentRow)
{
    TallyData& t = tally();
    const int row = std::min(static_cast<int>(t.InputRow.num()) + 1, maxInputRows());
    t.InputRow = row;
    if (moveCurrentRow)
        G1.setRow(row);
    t.InputRowOnScreen = std::min(t.InputRowOnScreen.num() + 1, double(VisibleRows));
    placeEntryLine();
    if (row - 1 > VisibleRows - 1 && t.InputRowOnScreen.num() > VisibleRows - 1)
        G1.setTopRow(row - (VisibleRows - 1));
}

void SHUKEI::lineUp()
{
    TallyData& t = tally();
    const int row = std::max(static_cast<int>(t.InputRow.num()) - 1, 1);
    t.InputRow = row;
    G1.setRow(row);
    t.InputRowOnScreen = std::max(t.InputRowOnScreen.num() - 1, 1.0);
    placeEntryLine();
    if (G1.Row() < G1.TopRow())
        G1.setTopRow(row);
}

void SHUKEI::Text3_KeyDown(int KeyCode, int)
{
    switch (KeyCode) {
    case runtime::vk::Up: Text3.setText(QString()); lineUp(); break;
    case runtime::vk::Down: Text3.setText(QString()); lineDown(true); break;
    case runtime::vk::Right: Text3.setText(QString()); Text4.SetFocus(); break;
    case runtime::vk::Left: Text3.setText(QString()); lineUp(); Text5.SetFocus(); break;
    default: break;
    }
}

void SHUKEI::Text4_KeyDown(int KeyCode, int)
{
    switch (KeyCode) {
    case runtime::vk::Up: Text4.setText(QString()); lineUp(); break;
    case runtime::vk::Down: Text4.setText(QString()); lineDown(true); break;
    case runtime::vk::Right: Text4.setText(QString()); Text5.SetFocus(); break;
    case runtime::vk::Left: Text4.setText(QString()); Text3.SetFocus(); break;
    default: break;
    }
}

// The amount box keeps a pending amount on Up, Down and Right.
void SHUKEI::Text5_KeyDown(int KeyCode, int)
{
    switch (KeyCode) {
    case runtime::vk::Up: lineUp(); break;
    case runtime::vk::Down: lineDown(true); break;
    case runtime::vk::Right: lineDown(true); Text3.SetFocus(); break;
    case runtime::vk::Left: Text5.setText(QString()); Text4.SetFocus(); break;
    default: break;
    }
}

// The first steps of Enter in a box of column col: the cell under the box
// becomes current; false when Enter has nothing to write (the box is empty
// over a filled cell, or its number is beyond the double range or, rounded
// as the cell shows it, has more than 15 digits).
bool SHUKEI::takeEntry(forms::TextBox& box, int col, int& KeyAscii, double& value)
{
    const int row = std::clamp(static_cast<int>(tally().InputRow.num()), 1, std::max(1, maxInputRows()));
    G1.setRow(row);
    G1.setCol(col);
    if (KeyAscii != 13)
        return false;
    KeyAscii = 0;
    if (box.Text().isEmpty() && !G1.Text().isEmpty()) {
        passOn(col);
        return false;
    }
    if (col == 1 && box.Text() == QStringLiteral("*"))
        return true;
    const runtime::ValResult v = runtime::Val(box.Text().toStdString());
    if (v.overflow || !tallyNumberFits(v.value)) {
        Warn(QStringLiteral("入力エラー！"), &box);
        box.setText(QString());
        return false;
    }
    value = v.value;
    return true;
}

// Enter over a filled cell with nothing typed: on to the next box.
void SHUKEI::passOn(int col)
{
    if (col == 1) {
        Text4.SetFocus();
    } else if (col == 2) {
        Text5.SetFocus();
    } else {
        lineDown(false);
        Text3.SetFocus();
    }
}

void SHUKEI::Text3_KeyPress(int& KeyAscii)
{
    double value = 0;
    if (!takeEntry(Text3, 1, KeyAscii, value))
        return;
    if (Text3.Text() == QStringLiteral("*")) {
        closeWithStar();
        return;
    }
    G1.setText(formatted(value, "#0 "));
    Text3.setText(QString());
    Text4.SetFocus();
}

void SHUKEI::Text4_KeyPress(int& KeyAscii)
{
    double value = 0;
    if (!takeEntry(Text4, 2, KeyAscii, value))
        return;
    G1.setText(formatted(value, "#0 "));
    Text4.setText(QString());
    showCountTotal();
    Text5.SetFocus();
}

void SHUKEI::Text5_KeyPress(int& KeyAscii)
{
    double value = 0;
    if (!takeEntry(Text5, 3, KeyAscii, value))
        return;
    G1.setText(formatted(value, "#,0 "));
    Text5.setText(QString());
    lineDown(false);
    showAmountTotal();
    Text3.SetFocus();
}

void SHUKEI::showCountTotal()
{
    double sum = 0;
    const int rows = maxInputRows();
    for (int r = 1; r <= rows; ++r)
        sum += runtime::valOr0(G1.TextMatrix(r, 2).toStdString());
    Label24.setCaption(formatted(sum, "# "));
}

void SHUKEI::showAmountTotal()
{
    double sum = 0;
    const int rows = maxInputRows();
    for (int r = 1; r <= rows; ++r)
        sum += runtime::cellWholeNumber(G1.TextMatrix(r, 3).toStdString());
    Label25.setCaption(formatted(sum, "#,0 "));
}

// "*" in the key box: the rows above the line are the month's rows; the
// rows from the line down are emptied.
void SHUKEI::closeWithStar()
{
    TallyData& t = tally();
    Text3.setText(QString());
    const int k = static_cast<int>(t.CurMonth.num());
    const int row = static_cast<int>(t.InputRow.num());
    const int rows = maxInputRows();
    for (int r = std::max(row, 1); r <= rows; ++r)
        for (int c = 1; c <= 3; ++c)
            G1.setTextMatrix(r, c, QString());
    CloseEntryMonth(k, std::max(row - 1, 0));
}

void SHUKEI::G1_Click()
{
    // The heading row is not a place for the line: it stays where it is,
    // and the keys go back to the entry box that had them.
    if (g1PressOnHeading_ || G1.Row() < 1) {
        (entryBox_ ? *entryBox_ : Text3).SetFocus();
        return;
    }
    TallyData& t = tally();
    for (forms::TextBox* b : {&Text3, &Text4, &Text5})
        b->setVisible(true);
    const int onScreen = G1.Row() - G1.TopRow() + 1;
    for (forms::TextBox* b : {&Text3, &Text4, &Text5})
        b->setTop(lineTop(onScreen));
    switch (G1.Col()) {
    case 1: Text3.SetFocus(); break;
    case 2: Text4.SetFocus(); break;
    case 3: Text5.SetFocus(); break;
    default: break;
    }
    t.InputRow = G1.Row();
    t.InputRowOnScreen = onScreen;
}

} // namespace sumlet
