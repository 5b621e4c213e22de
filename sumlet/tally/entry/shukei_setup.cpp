// The tally form's set-up on activation, the key choice, "ﾃﾞｰﾀ入力", the
// grid headings and the period boxes.
#include "sumlet/tally/shukei_form.h"

#include "forms/formatted.h"
#include "runtime/format.h"
#include "runtime/number_text.h"
#include "sumlet/program.h"
#include "sumlet/tally/engine/tally_data.h"
#include "sumlet/tally/entry/entry_rules.h"
#include "sumlet/tally/grid_heading.h"

#include <algorithm>

namespace sumlet {

using forms::formatted;

namespace {

const QString NoPeriod = QStringLiteral("** ");
constexpr int Capacity = 500;

void columnsAndAlignment(forms::FlexGrid& g, std::initializer_list<double> widths)
{
    int c = 0;
    for (double w : widths)
        g.setColWidth(c++, w);
    for (c = 0; c <= 3; ++c)
        g.setFixedAlignment(c, 4);
    for (c = 1; c <= 3; ++c)
        g.setColAlignment(c, 7);
}

} // namespace

int SHUKEI::maxInputRows() const
{
    const double rows = prog.shared.MaxInputRows.num();
    return static_cast<int>(std::clamp(rows, 0.0, double(G1.Rows() - 1)));
}

void SHUKEI::Form_Activate()
{
    Shared& s = prog.shared;
    TallyData& t = tally();
    s.MaxInputRows = Capacity;
    G1.setRows(Capacity + 1);
    if (Combo1.ListCount() == 0) {
        for (const char* item : {"支払回数", "担当者NO", "店番号", "商品NO"})
            Combo1.AddItem(QString::fromUtf8(item));
    }
    columnsAndAlignment(G1, {540, 1000, 1200, 2680});
    writeHeadingRow(G1, QStringLiteral("回数"));
    G1.setCol(0);
    for (int r = 1; r <= Capacity; ++r)
        G1.setTextMatrix(r, 0, formatted(r, "# "));
    columnsAndAlignment(G2, {540, 900, 600, 1590});
    columnsAndAlignment(G3, {540, 900, 600, 1590});

    t.InputRow = 1;
    G1.setRow(1);
    t.InputRowOnScreen = 1;
    G1.setTopRow(1);
    Text3.Move(740, 900, 450, Text3.Height());
    Text4.setTop(900);
    Text5.setTop(900);
    t.CurMonth = 1;

    const double flag = s.ReturnFlag.num();
    if (flag == 0) {
        Combo1.setListIndex(0);
        for (forms::CommandButton* b : {&Command1, &Command2, &Command3, &Command6, &Command8, &Command9, &Command10})
            b->setEnabled(false);
        G1.setEnabled(false);
        for (forms::TextBox* b : {&Text3, &Text4, &Text5})
            b->setEnabled(false);
        Text1.SetFocus();
    } else if (flag == 1) {
        t.CurMonth = 2;
        Command3.setEnabled(true);
        Command3_Click();
        // Month 1 without rows leaves the grid as it was: the key is chosen.
        G1.setTextMatrix(0, 1, QString::fromStdString(t.KeyName.text()));
        s.ReturnFlag = 0;
        Text3.SetFocus();
    }
}

void SHUKEI::Combo1_Click() { chooseKey(false); }

void SHUKEI::Combo1_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    chooseKey(true);
}

void SHUKEI::chooseKey(bool byEnter)
{
    const QString caption = Combo1.Text();
    if (!keyCaptionFits(caption.toStdString())) {
        Warn(QStringLiteral("項目名に使えない文字があります！"), &Combo1);
        return;
    }
    TallyData& t = tally();
    t.KeyName = caption.toStdString();
    Label20.setCaption(t.StartMonth.num() > 0 ? formatted(t.StartMonth.num(), "# ") : NoPeriod);
    prog.shared.WorkStr = keyHint(caption, byEnter).toStdString();
    Label23.setCaption(QString::fromStdString(prog.shared.WorkStr));
    G1.setCol(1);
    G1.setRow(0);
    G1.setText(caption);
    G1.setRow(std::clamp(static_cast<int>(t.InputRow.num()), 0, G1.Rows() - 1));
    Command6.setEnabled(true);
    Command6.SetFocus();
}

// No period: one month, numbered 0, shown as "** "; StartMonth keeps its value.
void SHUKEI::setNoPeriod()
{
    TallyData& t = tally();
    Label2.setCaption(NoPeriod);
    Label3.setCaption(NoPeriod);
    t.EndMonth = 0;
    t.MonthCount = 1;
    t.MonthNo.redim(1);
    t.MonthNo.set(1, 0);
}

void SHUKEI::Command6_Click()
{
    TallyData& t = tally();
    if (t.MonthCount.num() == 0)
        setNoPeriod();
    for (forms::TextBox* b : {&Text3, &Text4, &Text5})
        b->setEnabled(true);
    G1.setEnabled(true);
    Text3.SetFocus();
}

void SHUKEI::G1C()
{
    G1.Clear();
    writeHeadingRow(G1, QString::fromStdString(tally().KeyName.text()));
    G1.setCol(0);
    const int rows = maxInputRows();
    for (int r = 1; r <= rows; ++r)
        G1.setTextMatrix(r, 0, formatted(r, "0 "));
    G1.setRow(rows);
}

void SHUKEI::G2C() { clearResultGrid(G2); }
void SHUKEI::G3C() { clearResultGrid(G3); }

void SHUKEI::clearResultGrid(forms::FlexGrid& g)
{
    g.Clear();
    writeHeadingRow(g, QString::fromStdString(tally().KeyName.text()));
    g.setRow(0);
    g.setCol(3);
}

// ---- Period ----

void SHUKEI::Text1_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    TallyData& t = tally();
    const std::string text = Text1.Text().toStdString();
    const runtime::ValResult v = runtime::Val(text);
    const StartMonthCheck check = checkStartMonth(text, v.value, v.overflow);
    if (!v.overflow)
        t.StartMonth = v.value;
    if (check == StartMonthCheck::Refused) {
        Warn(QStringLiteral("月が違います！"), &Text1);
        Text1.setText(QString());
        return;
    }
    Text1.setText(QString());
    if (check == StartMonthCheck::NoPeriod) {
        setNoPeriod();
        Combo1.SetFocus();
        return;
    }
    Label2.setCaption(formatted(t.StartMonth.num(), "# "));
    Text2.SetFocus();
}

void SHUKEI::Text2_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    TallyData& t = tally();
    const runtime::ValResult v = runtime::Val(Text2.Text().toStdString());
    if (!v.overflow)
        t.EndMonth = v.value;
    const Period p = v.overflow ? Period{} : periodFor(t.StartMonth.num(), v.value);
    if (!p.accepted) {
        Warn(QStringLiteral("６ｹ月以内！"), &Text2);
        Text2.setText(QString());
        return;
    }
    Label3.setCaption(formatted(v.value, "# "));
    Text2.setText(QString());
    t.MonthCount = p.monthCount;
    t.MonthNo.redim(p.monthCount);
    for (int i = 1; i <= p.monthCount; ++i)
        t.MonthNo.set(i, p.monthNo[static_cast<std::size_t>(i)]);
    Combo1.SetFocus();
}

} // namespace sumlet
