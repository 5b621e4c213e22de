#include "sumlet/adding/insatsu_form.h"

#include "forms/printer.h"
#include "sumlet/adding/sumlet_form.h"
#include "sumlet/adding/tape.h"
#include "sumlet/adding/tape_print.h"
#include "sumlet/program.h"

namespace sumlet {

namespace {
constexpr quint32 LightGreen = 0x0080FF80;
}

INSATSU::INSATSU(Program& program) : Form(program, "INSATSU"), prog(program)
{
    setCaption(QStringLiteral("印刷"));
    setClientSize(2730, 1125);
    setBackColor(LightGreen);
    setFontFace(QStringLiteral("ＭＳ Ｐゴシック"), 9);

    Command1.Move(120, 120, 1335, 375);
    Command1.setCaption(QStringLiteral("印刷"));
    Command2.Move(120, 600, 1335, 375);
    Command2.setCaption(QStringLiteral("キャンセル"));
    Frame1.Move(1560, 120, 1095, 855);
    Frame1.setBackColor(LightGreen);
    Frame1.setCaption(QStringLiteral("NO'印刷"));
    Option1.Move(120, 240, 855, 255);
    Option1.setCaption(QStringLiteral("する"));
    Option1.setBackColor(LightGreen);
    Option2.Move(120, 520, 855, 255);
    Option2.setCaption(QStringLiteral("しない"));
    Option2.setBackColor(LightGreen);

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
}

void INSATSU::Form_Activate()
{
    prog.shared.tape.PrintLineNoMode = 0;
    Option1.setValue(true);
}

void INSATSU::Option1_Click() { prog.shared.tape.PrintLineNoMode = 0; }
void INSATSU::Option2_Click() { prog.shared.tape.PrintLineNoMode = 1; }

void INSATSU::Command1_Click()
{
    const AddingTape& t = prog.shared.tape;
    const forms::PrintOutcome done = printTape(prog.printer(), t, t.PrintLineNoMode == 0);
    if (done == forms::PrintOutcome::Failed) {
        Warn(QStringLiteral("印刷できませんでした！"), &Command1);
        return;
    }
    if (done == forms::PrintOutcome::Cancelled)
        return; // the user cancelled the printer's file dialog: choose again
    prog.SUMLET_.Show();
    Unload();
}

void INSATSU::Command2_Click()
{
    prog.SUMLET_.Show();
    Unload();
}

} // namespace sumlet
