// Windows virtual-key codes and the shift state, as text-box key events use them.
#pragma once

#include "runtime/key_codes.h"

#include <Qt>

class QKeyEvent;

namespace forms::vk {

// The key codes of runtime/key_codes.h.
using runtime::vk::Back, runtime::vk::Tab, runtime::vk::Return, runtime::vk::Shift,
    runtime::vk::Control, runtime::vk::Menu, runtime::vk::Escape, runtime::vk::Space,
    runtime::vk::PageUp, runtime::vk::PageDown, runtime::vk::End, runtime::vk::Home,
    runtime::vk::Left, runtime::vk::Up, runtime::vk::Right, runtime::vk::Down,
    runtime::vk::Insert, runtime::vk::Delete, runtime::vk::Numpad0, runtime::vk::Numpad9,
    runtime::vk::Multiply, runtime::vk::Add, runtime::vk::Separator, runtime::vk::Subtract,
    runtime::vk::Decimal, runtime::vk::Divide, runtime::vk::F1, runtime::vk::PadEqual;

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
