#include "forms/keys.h"

#include <QKeyEvent>

namespace forms::vk {

int keyCode(int k, Qt::KeyboardModifiers mods)
{
    const bool pad = mods.testFlag(Qt::KeypadModifier);
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return pad ? Numpad0 + (k - Qt::Key_0) : '0' + (k - Qt::Key_0);
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 'A' + (k - Qt::Key_A);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return F1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Asterisk: return pad ? Multiply : 0x38;   // main keyboard: Shift+8
    case Qt::Key_Plus: return pad ? Add : 0xBB;
    case Qt::Key_Minus: return pad ? Subtract : 0xBD;
    case Qt::Key_Period: return pad ? Decimal : 0xBE;
    case Qt::Key_Slash: return pad ? Divide : 0xBF;
    case Qt::Key_Comma: return pad ? Separator : 0xBC;
    case Qt::Key_Delete: return Delete;
    case Qt::Key_Equal: return pad ? PadEqual : 0xBB;
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 0xBA;
    case Qt::Key_Return: case Qt::Key_Enter: return Return;
    case Qt::Key_Backspace: return Back;
    case Qt::Key_Tab: case Qt::Key_Backtab: return Tab;
    case Qt::Key_Escape: return Escape;
    case Qt::Key_Space: return Space;
    case Qt::Key_PageUp: return PageUp;
    case Qt::Key_PageDown: return PageDown;
    case Qt::Key_End: return End;
    case Qt::Key_Home: return Home;
    case Qt::Key_Left: return Left;
    case Qt::Key_Up: return Up;
    case Qt::Key_Right: return Right;
    case Qt::Key_Down: return Down;
    case Qt::Key_Insert: return Insert;
    case Qt::Key_Shift: return Shift;
    case Qt::Key_Control: return Control;
    case Qt::Key_Alt: return Menu;
    default: return 0;
    }
}

int keyCode(const QKeyEvent& e) { return keyCode(e.key(), e.modifiers()); }

int shiftState(Qt::KeyboardModifiers m)
{
    return (m.testFlag(Qt::ShiftModifier) ? ShiftMask : 0) | (m.testFlag(Qt::ControlModifier) ? CtrlMask : 0)
        | (m.testFlag(Qt::AltModifier) ? AltMask : 0);
}

int keyAscii(const QKeyEvent& e)
{
    switch (e.key()) {
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    if (e.modifiers().testFlag(Qt::ControlModifier) && e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z)
        return 1 + (e.key() - Qt::Key_A);
    const QString t = e.text();
    if (t.isEmpty()) return 0;
    const char32_t c = t.toUcs4().value(0);
    if (c < 32 && c != 8 && c != 13 && c != 27) return 0;
    if (c == 127) return 0;
    return int(c);
}

} // namespace forms::vk
