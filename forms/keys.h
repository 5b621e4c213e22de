// Windows virtual-key codes and the shift state, as text-box key events use them.
#pragma once

#include <Qt>

class QKeyEvent;

namespace forms::vk {

constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18,
              Escape = 27, Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36,
              Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46,
              Numpad0 = 96, Multiply = 106, Add = 107, Separator = 108, Subtract = 109,
              Decimal = 110, Divide = 111, F1 = 112,
              PadEqual = 146;   // "=" of keypads that have one

// Shift-state bits of KeyDown and MouseDown: 1 Shift, 2 Ctrl, 4 Alt.
constexpr int ShiftMask = 1, CtrlMask = 2, AltMask = 4;

// Virtual-key code of a Qt key event; numeric-keypad keys (KeypadModifier)
// get their own codes 96-111 ("=" 146), Enter on either keyboard is 13. 0 when unknown.
int keyCode(const QKeyEvent& e);
int keyCode(int qtKey, Qt::KeyboardModifiers mods);

// Shift state (bits above) of Qt modifiers.
int shiftState(Qt::KeyboardModifiers mods);

// Character code of a key press: Enter 13, Backspace 8, Escape 27, Ctrl+letter
// 1-26, otherwise the character typed (its Unicode value); 0 when none.
int keyAscii(const QKeyEvent& e);

} // namespace forms::vk
