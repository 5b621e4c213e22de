#include "sumlet/shell/menu_form.h"

#include "sumlet/adding/sumlet_form.h"
#include "sumlet/program.h"
#include "sumlet/shell/pictures.h"
#include "sumlet/shell/program_commands.h"
#include "sumlet/shell/settings.h"
#include "sumlet/shell/filectl_form.h"
#include "sumlet/shell/ver_form.h"
#include "sumlet/tally/shukei_form.h"


namespace sumlet {

namespace {
constexpr quint32 Yellow = 0x0000FFFF;
}

MENU::MENU(Program& program) : Form(program, "MENU"), prog(program)
{
    setCaption(QStringLiteral("Tesk加算・集計器"));
    setClientSize(3000, 5175);
    setBackColor(Yellow);

    Frame1.Move(0, 0, 750, 390);
    Toolbar1.Move(30, 15, 690, 360);
    Toolbar1.addButton(QStringLiteral("Tesk電卓"), forms::stockIcon(forms::StockIcon::Calculator));
    Toolbar1.addButton(QStringLiteral("ﾍﾙﾌﾟ"), forms::stockIcon(forms::StockIcon::Help));

    Image1.Move(900, 600, 1200, 900);
    Image1.setPicture(adderPicture(80, 60));

    Frame2.Move(480, 1680, 2055, 1760);
    Frame2.setBackColor(Yellow);
    struct Button { forms::CommandButton& b; const char* caption; double top; int tab; };
    for (const Button& x : {Button{Command8, "加算機", 240, 0}, Button{Command6, "集計器", 720, 1},
                            Button{Command9, "終了", 1200, 7}}) {
        x.b.Move(120, x.top, 1815, 375);
        x.b.setCaption(QString::fromUtf8(x.caption));
        x.b.setFontFace(QStringLiteral("ＭＳ Ｐゴシック"), 11.25, true);
        x.b.setTabIndex(x.tab);
    }

    Command8.Click = [this] { Command8_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    Command9.Click = [this] { Command9_Click(); };
    MX11.Click = [this] { MX11_Click(); };
    MX15.Click = [this] { MX15_Click(); };
    MX21.Click = [this] { MX21_Click(); };
    MX31.Click = [this] { MX31_Click(); };
    MX33.Click = [this] { MX33_Click(); };
    Toolbar1.ButtonClick = [this](int Index) { Toolbar1_ButtonClick(Index); };
}

void MENU::Form_Load()
{
    Command6.setEnabled(true);
    Command8.setEnabled(true);
    Command9.setEnabled(true);
}

void MENU::Form_Activate()
{
    loadSettings(prog.shared, prog.settingsPlace());
}

void MENU::Command8_Click()
{
    prog.SUMLET_.Show();
    Unload();
}

void MENU::Command6_Click()
{
    prog.SHUKEI_.Show();
    Unload();
}

void MENU::Command9_Click() { ExitProgram(prog, *this); }

void MENU::MX11_Click()
{
    prog.FILECTL_.Show();
    Unload();
}

void MENU::MX15_Click() { ExitProgram(prog, *this); }
void MENU::MX21_Click() { StartCalculator(prog, *this); }
void MENU::MX31_Click() { OpenHelp(prog, *this); }
void MENU::MX33_Click() { prog.VER_.ShowModal(); }

void MENU::Toolbar1_ButtonClick(int Index)
{
    switch (Index) {
    case 1: StartCalculator(prog, *this); break;
    case 2: OpenHelp(prog, *this); break;
    default: break;
    }
}

} // namespace sumlet
