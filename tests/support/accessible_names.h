// What a screen reader hears of a form. accessibleFaults walks every widget
// of a form through QAccessible and lists what a listener would get wrong:
// a control announced by its code name, a button, option button, frame or
// label that does not say its caption, a toolbar button that does not say
// its tool tip, a text or combo box whose value is not its text, a window
// that does not say its title. One line checks a form:
//   EXPECT_EQ(forms::testing::accessibleFaults(*p.MENU_), forms::testing::NoFaults);
#pragma once

#include "forms/commands.h"
#include "forms/controls.h"
#include "forms/form.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QToolButton>
#include <set>
#include <string>
#include <vector>

namespace forms::testing {

inline const std::vector<std::string> NoFaults;

inline QString accessibleText(QObject* o, QAccessible::Text t = QAccessible::Name)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(t) : QStringLiteral("<no accessible interface>");
}

// A caption as it is drawn: "&x" shows x (underlined), "&&" one "&", CR LF
// or a lone CR a line break.
inline QString drawnCaption(const QString& caption, bool mnemonics)
{
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        QChar ch = caption[i];
        if (mnemonics && ch == u'&') {
            if (++i == caption.size()) break;
            ch = caption[i];
        }
        if (ch == u'\r') {
            if (i + 1 < caption.size() && caption[i + 1] == u'\n') ++i;
            ch = u'\n';
        }
        out += ch;
    }
    return out;
}

inline std::vector<std::string> accessibleFaults(const Form& form)
{
    std::set<QString> codeNames;
    for (ControlCore* c : form.controls()) codeNames.insert(c->Name());
    for (Menu* m : form.menus()) codeNames.insert(m->Name());
    for (QAction* a : form.findChildren<QAction*>())
        if (!a->objectName().isEmpty()) codeNames.insert(a->objectName());   // toolbar buttons

    std::vector<std::string> faults;
    const auto who = [](QObject* o) {
        const QString n = o->objectName();
        return std::string(o->metaObject()->className()) + (n.isEmpty() ? "" : " " + n.toStdString());
    };
    const auto expect = [&](QObject* o, QAccessible::Text t, const QString& want) {
        const QString got = accessibleText(o, t);
        if (got != want)
            faults.push_back(who(o) + (t == QAccessible::Value ? " value \"" : " name \"") + got.toStdString()
                             + "\", shows \"" + want.toStdString() + "\"");
    };
    const auto notCodeName = [&](QObject* o, QAccessibleInterface* i) {
        const QString name = i->text(QAccessible::Name);
        if (codeNames.count(name)) faults.push_back(who(o) + " is announced by the code name " + name.toStdString());
    };

    QList<QWidget*> widgets = form.findChildren<QWidget*>();
    widgets.prepend(const_cast<Form*>(&form));
    for (Menu* m : form.menus())   // drop-downs are windows of their own
        if (QMenu* dropDown = m->action() ? m->action()->menu() : nullptr) widgets << dropDown;
    for (QWidget* w : widgets) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        if (!i) {
            faults.push_back(who(w) + " has no accessible interface");
            continue;
        }
        notCodeName(w, i);
        // Menu items and other parts that are not widgets of their own.
        if (i->role() != QAccessible::Table && i->role() != QAccessible::List) {
            for (int k = 0; k < i->childCount(); ++k) {
                QAccessibleInterface* c = i->child(k);
                if (c && !(c->object() && c->object()->isWidgetType())) notCodeName(c->object() ? c->object() : w, c);
            }
        }

        if (w == &form)
            expect(w, QAccessible::Name, form.Caption());
        else if (auto* b = qobject_cast<CommandButton*>(w))
            expect(w, QAccessible::Name, drawnCaption(b->Caption(), true));
        else if (auto* o = qobject_cast<OptionButton*>(w))
            expect(w, QAccessible::Name, drawnCaption(o->Caption(), true));
        else if (auto* f = qobject_cast<Frame*>(w))
            expect(w, QAccessible::Name, drawnCaption(f->Caption(), true));
        else if (auto* l = qobject_cast<Label*>(w))
            expect(w, QAccessible::Name, drawnCaption(l->Caption(), false));
        else if (auto* t = qobject_cast<TextBox*>(w))
            expect(w, QAccessible::Value, t->Text());
        else if (auto* cb = qobject_cast<QComboBox*>(w); cb && cb->isEditable())
            expect(w, QAccessible::Value, cb->currentText());
        else if (auto* tb = qobject_cast<QToolButton*>(w); tb && qobject_cast<Toolbar*>(w->parentWidget())) {
            if (QAction* a = tb->defaultAction(); a && !a->isSeparator())
                expect(w, QAccessible::Name, a->toolTip());
        }
    }
    return faults;
}

} // namespace forms::testing
