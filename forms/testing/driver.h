// Drives controls as a user would, by sending Qt events (no QtTest needed).
// Each throws std::logic_error when the control cannot take the action
// (disabled, hidden), so the test fails with a clear message.
#pragma once

#include <Qt>
#include <QString>

class QWidget;

namespace forms {
class CommandButton;
class FlexGrid;
class Menu;
class Toolbar;
class OptionButton;
class ComboBox;
}

namespace forms::testing {

// Mouse click in the middle of a widget (a button's Click, a label's Click...).
void click(QWidget& w);
// Left/right click on a grid cell (MouseDown, selection, Click).
void clickCell(FlexGrid& g, int row, int col, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers mods = Qt::NoModifier);
// One key press and release sent to a widget (KeyDown, KeyPress, editing).
void pressKey(QWidget& w, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier,
              const QString& text = QString());
// Types text key by key; "\r" is Enter, "\b" Backspace.
void typeText(QWidget& w, const QString& text);
// Types on the numeric keypad: digits, "." "+" "-" "*" "/" and "\r" (Enter).
void typeKeypad(QWidget& w, const QString& keys);
// Chooses a menu item (as by mouse), a toolbar button (1-based), a combo item.
void choose(Menu& item);
void clickToolbar(Toolbar& t, int index);
void chooseItem(ComboBox& c, int index);
// The widget that has the form's logical focus ("" when none).
QString focusName(QWidget& anyWidgetOfForm);

} // namespace forms::testing
