#include "sumlet/tally/print/print_1_form.h"

#include <cmath>

#include "forms/commands.h"
#include "sumlet/program.h"
#include "sumlet/tally/print/tally_print.h"

namespace sumlet {

PRINT_1::PRINT_1(Program& program) : Form(program, "PRINT_1"), prog(program)
{
    setCaption(QStringLiteral(" 印刷"));
    setClientSize(3930, 1125);
    setFontFace(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    setWindowIcon(forms::stockIcon(forms::StockIcon::Print));

    Label1.Move(120, 240, 3735, 255);
    Label1.setCaption(QStringLiteral("入力した全データを各月ごとに印刷出力します。"));
    Label1.setTabIndex(0);
    Command1.Move(240, 600, 1455, 375);
    Command1.setCaption(QStringLiteral("印刷する"));
    Command1.setTabIndex(1);
    Command2.Move(2280, 600, 1335, 375);
    Command2.setCaption(QStringLiteral("キャンセル"));
    Command2.setTabIndex(2);

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
}

void PRINT_1::Form_Activate() { prog.shared.ReturnFlag = 1; }

void PRINT_1::Command1_Click()
{
    TallyData& t = prog.shared.tally;
    const double months = std::floor(t.MonthCount.num());
    const int last = months >= kMaxMonths ? kMaxMonths : months >= 1 ? static_cast<int>(months) : 1;
    prog.shared.ReturnFlag = 1;
    // A print that could not be done (or whose file was not chosen) leaves
    // the dialog open.
    if (!reportPrint(*this, PrintEntries(prog.printer(), t, 1, last)))
        return;
    Unload();
}

void PRINT_1::Command2_Click() { Unload(); }

} // namespace sumlet
