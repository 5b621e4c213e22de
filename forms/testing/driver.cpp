#include "forms/testing/driver.h"

#include "forms/commands.h"
#include "forms/controls.h"
#include "forms/flex_grid.h"
#include "forms/form.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <stdexcept>

namespace forms::testing {

namespace {

void require(QWidget& w, const char* action)
{
    if (!w.isEnabled() || !w.isVisible())
        throw std::logic_error(std::string("cannot ") + action + " " + w.objectName().toStdString()
                               + (w.isEnabled() ? ": not visible" : ": disabled"));
}

void sendClick(QWidget& target, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    const QPointF local(pos);
    const QPointF global(target.mapToGlobal(pos));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, mods);
    QCoreApplication::sendEvent(&target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, mods);
    QCoreApplication::sendEvent(&target, &release);
}

QString textOf(int key, Qt::KeyboardModifiers mods)
{
    if (mods & Qt::ControlModifier) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return QString(QChar(1 + key - Qt::Key_A));
        return {};
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return QString(QChar('0' + key - Qt::Key_0));
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return QString(QChar((mods & Qt::ShiftModifier ? 'A' : 'a') + key - Qt::Key_A));
    switch (key) {
    case Qt::Key_Return: case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Backspace: return QStringLiteral("\b");
    case Qt::Key_Escape: return QString(QChar(27));
    case Qt::Key_Tab: return QStringLiteral("\t");
    case Qt::Key_Space: return QStringLiteral(" ");
    case Qt::Key_Asterisk: return QStringLiteral("*");
    case Qt::Key_Plus: return QStringLiteral("+");
    case Qt::Key_Minus: return QStringLiteral("-");
    case Qt::Key_Period: return QStringLiteral(".");
    case Qt::Key_Slash: return QStringLiteral("/");
    case Qt::Key_Comma: return QStringLiteral(",");
    default: return {};
    }
}

int keyOf(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u >= '0' && u <= '9') return Qt::Key_0 + (u - '0');
    if (u >= 'a' && u <= 'z') return Qt::Key_A + (u - 'a');
    if (u >= 'A' && u <= 'Z') return Qt::Key_A + (u - 'A');
    switch (u) {
    case '\r': case '\n': return Qt::Key_Return;
    case '\b': return Qt::Key_Backspace;
    case '\t': return Qt::Key_Tab;
    case ' ': return Qt::Key_Space;
    case '*': return Qt::Key_Asterisk;
    case '+': return Qt::Key_Plus;
    case '-': return Qt::Key_Minus;
    case '.': return Qt::Key_Period;
    case '/': return Qt::Key_Slash;
    case ',': return Qt::Key_Comma;
    default: return Qt::Key_unknown;
    }
}

} // namespace

void click(QWidget& w)
{
    require(w, "click");
    sendClick(w, w.rect().center(), Qt::LeftButton, Qt::NoModifier);
}

void clickCell(FlexGrid& g, int row, int col, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    require(g, "click");
    const QRect r = g.cellRect(row, col);
    QWidget* target = g.viewport();
    if (row == 0 && col == 0) target = g.findChild<QLabel*>();
    else if (row == 0) target = g.horizontalHeader()->viewport();
    else if (col == 0) target = g.verticalHeader()->viewport();
    const QPoint inTarget = target->mapFrom(&g, r.center());
    if (!target->rect().contains(inTarget) || r.width() <= 0 || r.height() <= 0)
        throw std::logic_error("cell not visible in " + g.objectName().toStdString());
    sendClick(*target, inTarget, button, mods);
}

void pressKey(QWidget& w, int qtKey, Qt::KeyboardModifiers mods, const QString& text)
{
    require(w, "type into");
    const QString t = text.isNull() ? textOf(qtKey, mods) : text;
    QKeyEvent press(QEvent::KeyPress, qtKey, mods, t);
    QCoreApplication::sendEvent(&w, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, mods, t);
    QCoreApplication::sendEvent(&w, &release);
}

void typeText(QWidget& w, const QString& text)
{
    for (const QChar ch : text) {
        const int key = keyOf(ch);
        const QString t = ch == QChar('\n') ? QStringLiteral("\r") : QString(ch);
        pressKey(w, key, Qt::NoModifier, t);
    }
}

void typeKeypad(QWidget& w, const QString& keys)
{
    for (const QChar ch : keys) {
        const int key = ch == QChar('\r') ? int(Qt::Key_Enter) : keyOf(ch);
        if (key == Qt::Key_unknown) throw std::logic_error("no keypad key for a character");
        pressKey(w, key, Qt::KeypadModifier, ch == QChar('\r') ? QStringLiteral("\r") : QString(ch));
    }
}

void choose(Menu& item)
{
    if (!item.trigger()) throw std::logic_error("menu item not usable: " + item.Name().toStdString());
}

void clickToolbar(Toolbar& t, int index)
{
    require(t, "click");
    if (!t.clickButton(index)) throw std::logic_error("toolbar button not usable");
}

void chooseItem(ComboBox& c, int index)
{
    require(c, "choose in");
    if (index < 0 || index >= c.count()) throw std::logic_error("no such combo item");
    c.setCurrentIndex(index);
    emit c.activated(index);
}

QString focusName(QWidget& any)
{
    auto* f = qobject_cast<Form*>(any.window());
    if (!f || !f->ActiveControl()) return {};
    return f->ActiveControl()->Name();
}

} // namespace forms::testing
