#include "quorvel/keypad/quorvel_form.h"

#include "quorvel/keypad/layouts.h"
#include "quorvel/keypad/window_file.h"
#include "quorvel/dates/hizuke_form.h"
#include "quorvel/formula/suusiki_form.h"
#include "quorvel/keypad/tesk_setumei.h"
#include "quorvel/program.h"

#include "forms/keys.h"

#include <QCoreApplication>

namespace quorvel {

namespace {

bool layoutIs(const runtime::Value& v, double n) { return !v.isText() && v.num() == n; }

// Positions are single-precision twips.
double single(const runtime::Value& v) { return static_cast<float>(v.num()); }

} // namespace

QUORVEL::QUORVEL(Program& program) : Form(program, "QUORVEL"), prog(program)
{
    setCaption("QUORVEL");
    commands_ = {nullptr,    &Command1,  &Command2,  &Command3,  &Command4,  &Command5,
                 &Command6,  &Command7,  &Command8,  &Command9,  &Command10, &Command11,
                 &Command12, &Command13, &Command14, &Command15, &Command16, &Command17,
                 &Command18, &Command19, &Command20, &Command21, &Command22, &Command23,
                 &Command24, &Command25, &Command26, &Command27, &Command28, &Command29,
                 &Command30, &Command31};
    for (int n = 1; n <= 31; ++n)
        commands_[n]->Click = [this, n] { runCommand(n); };
    for (const ControlPlace& c : keypadPlaces())
        if (c.caption)
            if (auto* button = findChild<forms::CommandButton*>(QString::fromLatin1(c.name)))
                button->setCaption(QString::fromUtf8(c.caption));

    Text1.KeyDown = [this](int code, int shift) { Text1_KeyDown(code, shift); };
    Text1.KeyPress = [this](int& ascii) { Text1_KeyPress(ascii); };
    // The frame hides the keyboard box that lies beneath it.
    Frame1.setAutoFillBackground(true);
    Label1.setAlignment(1);
    Label2.setAlignment(1);

    // Designed in the small arrangement.
    applyLayout(false);
}

void QUORVEL::runCommand(int n)
{
    switch (n) {
    case 1: Command1_Click(); break;
    case 2: Command2_Click(); break;
    case 3: Command3_Click(); break;
    case 4: Command4_Click(); break;
    case 5: Command5_Click(); break;
    case 6: Command6_Click(); break;
    case 7: Command7_Click(); break;
    case 8: Command8_Click(); break;
    case 9: Command9_Click(); break;
    case 10: Command10_Click(); break;
    case 11: Command11_Click(); break;
    case 12: Command12_Click(); break;
    case 13: Command13_Click(); break;
    case 14: Command14_Click(); break;
    case 15: Command15_Click(); break;
    case 16: Command16_Click(); break;
    case 17: Command17_Click(); break;
    case 18: Command18_Click(); break;
    case 19: Command19_Click(); break;
    case 20: Command20_Click(); break;
    case 21: Command21_Click(); break;
    case 22: Command22_Click(); break;
    case 23: Command23_Click(); break;
    case 24: Command24_Click(); break;
    case 25: Command25_Click(); break;
    case 26: Command26_Click(); break;
    case 27: Command27_Click(); break;
    case 28: Command28_Click(); break;
    case 29: Command29_Click(); break;
    case 30: Command30_Click(); break;
    case 31: Command31_Click(); break;
    default: break;
    }
}

void QUORVEL::key(Key k)
{
    const KeyOutcome r = calc.press(k);
    Label1.setCaption(QString::fromStdString(calc.display));
    Label2.setCaption(QString::fromStdString(calc.memoryIndicator));
    if (r.zeroDivide)
        MsgBox("ゼロ割!", forms::MsgButtons::OKOnly, forms::MsgIcon::None, prog.Title());
    if (r.focusText1)
        Text1.SetFocus();
}

void QUORVEL::Form_Load()
{
    loadWindowFile(prog.shared, prog.place);
    MoveTo(single(prog.shared.FormLeft), single(prog.shared.FormTop));
    if (layoutIs(prog.shared.BigLayout, 0))
        SMALL();
    else if (layoutIs(prog.shared.BigLayout, 1))
        BIG();
}

void QUORVEL::Form_Activate()
{
    if (isMinimized())
        showNormal();
    fitOuterSize();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    calc.activate();
    Label1.setCaption(QString::fromStdString(calc.display));
    Text1.SetFocus();
}

void QUORVEL::saveAndEnd()
{
    double left = Left();
    double top = Top();
    const QSize screen = services().ScreenSizeTwips();
    clampToScreen(left, top, Width(), Height(), screen.width(), screen.height());
    prog.shared.FormLeft = static_cast<double>(static_cast<float>(left));
    prog.shared.FormTop = static_cast<double>(static_cast<float>(top));
    WriteWindowFile(prog.shared, prog.place.windowFile()); // an unwritable file is skipped
    End();
}

void QUORVEL::Command25_Click() { saveAndEnd(); }

void QUORVEL::Form_Unload(int& Cancel)
{
    (void)Cancel;
    saveAndEnd();
}

void QUORVEL::Command28_Click() { prog.TeskSETUMEI_.ShowModal(); }

void QUORVEL::Command29_Click()
{
    storePositionAndHide();
    prog.HIZUKE_.Show();
}

void QUORVEL::Command30_Click()
{
    storePositionAndHide();
    prog.SUUSIKI_.Show();
}

// Before another window takes over: the position it opens at, then hide.
void QUORVEL::storePositionAndHide()
{
    prog.shared.FormLeft = static_cast<double>(static_cast<float>(Left()));
    prog.shared.FormTop = static_cast<double>(static_cast<float>(Top()));
    Hide();
}

void QUORVEL::Command31_Click()
{
    Shared& s = prog.shared;
    if (layoutIs(s.BigLayout, 1)) {
        SMALL();
        s.BigLayout = 0;
    } else if (layoutIs(s.BigLayout, 0)) {
        BIG();
        s.BigLayout = 1;
    }
    s.FormLeft = static_cast<double>(static_cast<float>(Left()));
    s.FormTop = static_cast<double>(static_cast<float>(Top()));
    WriteWindowFile(s, prog.place.windowFile());
    Text1.SetFocus();
}

void QUORVEL::Text1_KeyDown(int KeyCode, int Shift)
{
    (void)Shift;
    if (const int n = commandForKeyCode(KeyCode))
        runCommand(n);
}

void QUORVEL::Text1_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13)
        KeyAscii = 0;
}

} // namespace quorvel
