#include "sumlet/tally/print/ichiran_form.h"

#include "forms/formatted.h"
#include "forms/grid_rows.h"
#include "runtime/format.h"
#include "sumlet/program.h"
#include "sumlet/shell/program_commands.h"
#include "sumlet/tally/print/tally_print.h"

namespace sumlet {

using forms::formatted;

namespace {

constexpr quint32 ListBack = 0x00FF8080;
constexpr int Centred = 4;
constexpr int RightCentred = 7;

} // namespace

ICHIRAN::ICHIRAN(Program& program) : Form(program, "ICHIRAN"), prog(program)
{
    setCaption(QStringLiteral(" 集計結果一覧表"));
    setClientSize(11025, 4215);
    setBackColor(ListBack);
    setFontFace(QStringLiteral("ＭＳ Ｐゴシック"), 9);

    G4.Move(120, 120, 10825, 3495);
    G4.setFontFace(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    G4.setTabIndex(2);

    Frame6.Move(8160, 3680, 380, 460);
    Frame6.setBackColor(ListBack);
    Toolbar2.Move(0, 75, 375, 390);
    Toolbar2.addButton(QStringLiteral("集計結果一覧表印刷"), forms::stockIcon(forms::StockIcon::Print));
    Toolbar2.setTabIndex(3);

    Command1.Move(8880, 3720, 975, 375);
    Command1.setCaption(QStringLiteral("戻る"));
    Command1.setTabIndex(0);
    Command2.Move(9960, 3720, 975, 375);
    Command2.setCaption(QStringLiteral("終了"));
    Command2.setTabIndex(1);

    M1.setVisible(false);

    G4.Click = [this] { G4_Click(); };
    G4.MouseDown = [this](int Button, int Shift, double X, double Y) { G4_MouseDown(Button, Shift, X, Y); };
    G4.SelChange = [this] { G4_SelChange(); };
    M11.Click = [this] { M11_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Toolbar2.ButtonClick = [this](int Index) { Toolbar2_ButtonClick(Index); };
}

void ICHIRAN::Form_Activate()
{
    const TallyData& t = prog.shared.tally;
    const ResultListShape s = resultListShape(t);
    const int M = s.months;
    const int keys = s.keys;
    const int periodCount = 2 * M + 2;

    G4.setHeight(375);
    G4.setCols(2 * M + 4);
    G4.setRows(keys + 2);

    for (int c = 0; c < 2 * M + 4; ++c) {
        G4.setFixedAlignment(c, Centred);
        G4.setColAlignment(c, c <= 1 ? Centred : RightCentred);
    }
    G4.setColWidth(0, 500);
    G4.setColWidth(1, 900);
    for (int k = 1; k <= M; ++k) {
        G4.setColWidth(2 * k, 550);
        G4.setColWidth(2 * k + 1, 1100);
    }
    G4.setColWidth(periodCount, 650);
    G4.setColWidth(periodCount + 1, 1300);

    G4.setTextMatrix(0, 0, QStringLiteral("NO "));
    G4.setTextMatrix(0, 1, QString::fromStdString(t.KeyName.text()));
    for (int k = 1; k <= M; ++k) {
        G4.setTextMatrix(0, 2 * k, QStringLiteral("件数"));
        G4.setTextMatrix(0, 2 * k + 1, formatted(t.MonthNo.num(k), "0") + QStringLiteral("月金額"));
    }
    G4.setTextMatrix(0, periodCount, QStringLiteral("件数"));
    G4.setTextMatrix(0, periodCount + 1, QStringLiteral("合計金額"));

    const int totals = keys + 1;
    G4.setTextMatrix(totals, 0, QString());
    G4.setTextMatrix(totals, 1, QStringLiteral("合　計　"));
    for (int r = 1; r <= keys; ++r) {
        G4.setTextMatrix(r, 0, formatted(r, "0 "));
        G4.setTextMatrix(r, 1, tallyCellText(t.ResultTable.get(2, r), "0 "));
        for (int k = 1; k <= M; ++k) {
            G4.setTextMatrix(r, 2 * k, tallyCellText(t.ResultTable.get(2 * k + 1, r), "0 "));
            G4.setTextMatrix(r, 2 * k + 1, tallyCellText(t.ResultTable.get(2 * k + 2, r), "#,0 "));
        }
        G4.setTextMatrix(r, periodCount, tallyCellText(t.ResultTable.get(2 * M + 3, r), "0 "));
        G4.setTextMatrix(r, periodCount + 1, tallyCellText(t.ResultTable.get(2 * M + 4, r), "#,0 "));
    }
    for (int k = 1; k <= M; ++k) {
        G4.setTextMatrix(totals, 2 * k, tallyCellText(t.MonthCountSum.get(k), "0 "));
        G4.setTextMatrix(totals, 2 * k + 1, tallyCellText(t.MonthAmountSum.get(k), "#,0 "));
    }
    G4.setTextMatrix(totals, periodCount, tallyCellText(t.GrandCount, "0 "));
    G4.setTextMatrix(totals, periodCount + 1, tallyCellText(t.GrandAmount, "#,0 "));

    G4.setHeight(3495);
}

void ICHIRAN::Form_Click() { G4.setHighLight(0); }
void ICHIRAN::G4_Click() { G4.setHighLight(2); }

void ICHIRAN::G4_MouseDown(int Button, int Shift, double X, double Y)
{
    (void)Shift;
    (void)X;
    (void)Y;
    if (Button == 2)
        PopupMenu(M1);
}

void ICHIRAN::G4_SelChange() { forms::selectWholeRows(G4); }

void ICHIRAN::M11_Click()
{
    forms::copyGridRows(G4, services(), G4.Rows() - 1);
}

// Back to the tally form, which keeps its data and shows month 1 again.
void ICHIRAN::markReturn()
{
    prog.shared.ReturnFlag = 1;
    prog.shared.tally.CurMonth = 2;
}

void ICHIRAN::Command1_Click()
{
    markReturn();
    Unload();
}

// The close box goes back as "戻る" does.
void ICHIRAN::Form_Unload(int& Cancel)
{
    (void)Cancel;
    markReturn();
}

void ICHIRAN::Command2_Click() { ExitProgram(prog, *this); }

void ICHIRAN::Toolbar2_ButtonClick(int Index)
{
    (void)Index;
    reportPrint(*this, PrintResultList(prog.printer(), prog.shared.tally, 40));
}

} // namespace sumlet
