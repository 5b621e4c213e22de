// Closing the month in the entry grid ("入力確定", "*") and stepping between
// the months of the period.
#include "sumlet/tally/shukei_form.h"

#include "forms/formatted.h"
#include "runtime/format.h"
#include "runtime/number_text.h"
#include "sumlet/program.h"

#include <algorithm>

namespace sumlet {

using forms::formatted;

namespace {

bool isMonth(int k) { return TallyData::isMonth(k); }

} // namespace

// A month of the period with stored rows.
bool SHUKEI::monthHasRows(long m) const
{
    const TallyData& t = prog.shared.tally;
    return TallyData::isMonth(m) && m <= t.MonthCount.num() && t.MonthRows[m].num() > 0;
}

void SHUKEI::Command11_Click()
{
    const int k = static_cast<int>(tally().CurMonth.num());
    if (!isMonth(k)) {
        CloseEntryMonth(k, 0);
        return;
    }
    // The last row with text in the current column; with the row numbers
    // current, the last row with text in any of the columns 1 to 3.
    const int col = G1.Col();
    int n = 0;
    for (int r = maxInputRows(); r >= 1 && n == 0; --r) {
        if (col >= 1) {
            if (!G1.TextMatrix(r, col).isEmpty())
                n = r;
        } else {
            for (int c = 1; c <= 3; ++c)
                if (!G1.TextMatrix(r, c).isEmpty())
                    n = r;
        }
    }
    G1.setRow(std::max(n, 1));
    CloseEntryMonth(k, n);
}

void SHUKEI::CloseEntryMonth(int k, int n)
{
    TallyData& t = tally();
    const double count = t.MonthCount.num();
    const double cur = t.CurMonth.num();
    if (isMonth(k)) {
        n = std::clamp(n, 0, maxInputRows());
        t.MonthRows[k] = n;
        for (runtime::ValueArray* a : {&t.InKey[k], &t.InCount[k], &t.InAmount[k]})
            a->redim(n);
        for (int i = 1; i <= n; ++i) {
            t.InKey[k].set(i, runtime::cellWholeNumber(G1.TextMatrix(i, 1).toStdString()));
            t.InCount[k].set(i, runtime::cellWholeNumber(G1.TextMatrix(i, 2).toStdString()));
            t.InAmount[k].set(i, runtime::cellWholeNumber(G1.TextMatrix(i, 3).toStdString()));
        }
        if (n > 0) {
            G1.setRow(n);
            G1.setCol(3);
        }
        if (k <= 5 && count > k) {
            Command2.setEnabled(true);
            Command2.SetFocus();
        } else if (k == 6) {
            Command2.setEnabled(false);
        }
    }
    if (cur == 1 || count == 1)
        Command3.setEnabled(false);
    else if (cur >= 2 && cur <= 6 && monthHasRows(static_cast<long>(cur) - 1))
        Command3.setEnabled(true);
    if (cur == count)
        Beep();
    Command1.setEnabled(true);
}

void SHUKEI::ShowEntryMonth(int m)
{
    TallyData& t = tally();
    G1C();
    const int rows = std::clamp(static_cast<int>(t.ShownRows.num()), 0, maxInputRows());
    double counts = 0, amounts = 0;
    for (int i = 1; i <= rows; ++i) {
        counts += t.inCount(m, i).num();
        amounts += t.inAmount(m, i).num();
    }
    Label24.setCaption(formatted(counts, "0 "));
    Label25.setCaption(formatted(amounts, "#,0 "));
    const int stored = std::clamp(static_cast<int>(t.monthRows(m).num()), 0, maxInputRows());
    for (int i = 1; i <= stored; ++i) {
        G1.setTextMatrix(i, 1, formatted(t.inKey(m, i).num(), "0 "));
        G1.setTextMatrix(i, 2, formatted(t.inCount(m, i).num(), "0 "));
        G1.setTextMatrix(i, 3, formatted(t.inAmount(m, i).num(), "#,0 "));
    }
    if (stored > 0) {
        G1.setRow(stored);
        G1.setCol(3);
    }
    t.CurMonth = m;
    Label20.setCaption(formatted(t.MonthNo.num(m), "# "));
}

// After a stored month is shown the entry line stands on row 1 of the
// top-scrolled grid, where the boxes are drawn.
void SHUKEI::entryLineToTop()
{
    TallyData& t = tally();
    t.InputRow = 1;
    t.InputRowOnScreen = 1;
    G1.setTopRow(1);
    G1.setRow(1);
    placeEntryLine();
}

void SHUKEI::Command2_Click()
{
    TallyData& t = tally();
    G1.setTopRow(1);
    Label24.setCaption(QString());
    Label25.setCaption(QString());
    const double count = t.MonthCount.num();
    const int k = static_cast<int>(t.CurMonth.num());
    if (k >= 1 && k <= 5 && count > k && !monthHasRows(k + 1))
        t.CurMonth = k + 1;
    const int j = static_cast<int>(t.CurMonth.num());
    if (j >= 1 && j <= 5)
        t.ShownRows = t.MonthRows[j + 1];
    Label20.setCaption(formatted(t.MonthNo.num(j), "# "));
    if (j >= 1 && j <= 5 && monthHasRows(j + 1)) {
        ShowEntryMonth(j + 1);
        entryLineToTop();
        if (t.CurMonth.num() == count)
            Command2.setEnabled(false);
        if (monthHasRows(j)) {
            Command3.setEnabled(true);
            if (t.CurMonth.num() == count)
                Command3.SetFocus();
        }
        return;
    }
    G1C();
    t.InputRow = 1;
    G1.setRow(1);
    t.InputRowOnScreen = 1;
    Text3.Move(720, 900, 450, Text3.Height());
    Text4.setTop(900);
    Text5.setTop(900);
    Text3.SetFocus();
    Beep();
    Command2.setEnabled(false);
    Command3.setEnabled(true);
}

void SHUKEI::Command3_Click()
{
    TallyData& t = tally();
    G1.setTopRow(1);
    const int k = static_cast<int>(t.CurMonth.num());
    if (k >= 1 && k <= 5 && monthHasRows(k + 1))
        Command2.setEnabled(true);
    if (k < 2 || k > 6)
        return;
    t.ShownRows = t.MonthRows[k - 1];
    if (!monthHasRows(k - 1))
        return;
    ShowEntryMonth(k - 1);
    entryLineToTop();
    if (k - 1 == 1) {
        Command3.setEnabled(false);
        if (monthHasRows(2)) {
            Command2.setEnabled(true);
            Command2.SetFocus();
        }
    } else if (monthHasRows(k)) {
        Command2.setEnabled(true);
    }
}

} // namespace sumlet
