// The adding machine's entry line, clear and copy.
#include "sumlet/adding/sumlet_form.h"

#include "forms/formatted.h"
#include "forms/grid_rows.h"
#include "runtime/format.h"
#include "sumlet/adding/entry_line.h"
#include "sumlet/adding/tape.h"
#include "sumlet/program.h"

#include <cmath>

namespace sumlet {

using forms::formatted;

void SUMLET::Text1_Change()
{
    Label1.setCaption(QString::fromStdString(entryEcho(Text1.Text().toStdString())));
}

void SUMLET::Text1_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13 && Text1.Text() == QStringLiteral("**")) {
        clearTape();
        Text1.SetFocus();
        return;
    }
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;

    AddingTape& t = tape();
    const EntryParse p = parseEntryLine(Text1.Text().toStdString());
    t.EntryText = p.entryText;
    if (!p.ok || !std::isfinite(t.EntryTotal + p.value)) {
        Warn(QStringLiteral("入力エラー！"), &Text1);
        Text1.setText(QString());
        return;
    }
    // A full tape takes nothing more; the line stays as typed.
    if (t.full() || t.EntryCount + 1 > maxInputRows())
        return;

    t.EntryValue = p.value;
    t.record(p.value);
    if (t.EntryCount > 9)
        G.setTopRow(t.EntryCount - 9);
    G.setTextMatrix(t.EntryCount, 1, formatted(p.value, "#,0.###### "));
    showTotals();
    Text1.setText(QString());
    Label1.setCaption(QString());
    G.setRow(2);
    G.setCol(2);
}

void SUMLET::showTotals()
{
    const AddingTape& t = prog.shared.tape;
    Label2.setCaption(formatted(t.EntryTotal, "#,0.###### "));
    Label5.setCaption(formatted(t.EntryCount, "#0 "));
    G.setTextMatrix(1, 2, QStringLiteral("件数＝") + formatted(t.EntryCount, "0"));
    G.setTextMatrix(2, 2, QStringLiteral("合計＝") + formatted(t.EntryTotal, "0.######"));
}

void SUMLET::Command2_Click() { clearTape(); }

void SUMLET::clearTape()
{
    const AddingTape::Totals before = tape().clear();
    const int rows = maxInputRows();
    for (int k = 1; k <= rows; ++k)
        G.setTextMatrix(k, 1, QString());
    Text1.setText(QString());
    Label1.setCaption(QString());
    Label2.setCaption(QString());
    Label5.setCaption(QString());
    G.setTopRow(1);
    Label4.setCaption(formatted(before.total, "#,0.###### "));
    Label6.setCaption(formatted(before.count, "###0 "));
    Beep();
    Text1.SetFocus();
}

void SUMLET::Command6_Click() { copyTape(); }
void SUMLET::M41_Click() { copyTape(); }

void SUMLET::copyTape()
{
    forms::copyGridRows(G, services(), std::min(tape().EntryCount, G.Rows() - 1));
}

} // namespace sumlet
