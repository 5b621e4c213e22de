// Windows virtual-key codes, as KeyDown handlers receive them.
#pragma once

namespace runtime::vk {

constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18,
              Escape = 27, Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36,
              Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46,
              Numpad0 = 96, Numpad9 = 105, Multiply = 106, Add = 107, Separator = 108,
              Subtract = 109, Decimal = 110, Divide = 111, F1 = 112,
              PadEqual = 146;   // "=" of keypads that have one

} // namespace runtime::vk
