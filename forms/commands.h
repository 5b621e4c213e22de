// Menus (bar menus with & mnemonics and Ctrl shortcuts, menus hidden from the
// bar that pop up) and toolbars whose buttons are numbered from 1.
#pragma once

#include "forms/control.h"

#include <QIcon>
#include <QKeySequence>
#include <QObject>
#include <QToolBar>
#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace forms {

class Form;

// A menu on the form's bar, or an item of one. Caption "-" makes a separator.
//   forms::Menu M1{this, "M1", "ﾌｧｲﾙ(&F)"};
//   forms::Menu M11{&M1, "M11", "ﾌｧｲﾙを開く(&O)", "Ctrl+O"};
//   forms::Menu M13{&M1, "M13", "-"};
// A top menu with setVisible(false) is hidden from the bar and serves as a
// pop-up (Form::PopupMenu); its items' shortcuts still work. A top menu
// without items is a command on the bar: clicking it (or its mnemonic) runs Click.
// Shortcuts are handled by the form before any control sees the key, so they
// win over a text box's own editing keys.
class Menu : public QObject {
    Q_OBJECT
public:
    Menu(Form* form, const char* name, const QString& caption, const QString& shortcut = QString());
    Menu(Menu* parentMenu, const char* name, const QString& caption, const QString& shortcut = QString());
    ~Menu() override;

    QString Name() const { return objectName(); }
    void setCaption(const QString& c);
    QString Caption() const { return caption_; }
    void setEnabled(bool e);
    bool Enabled() const { return enabled_; }
    void setVisible(bool v);
    bool Visible() const { return visible_; }
    void setChecked(bool c);
    bool Checked() const;
    QKeySequence Shortcut() const { return shortcut_; }
    bool isSeparator() const { return caption_ == QStringLiteral("-"); }
    bool isTopLevel() const { return parentMenu_ == nullptr; }
    Menu* parentMenu() const { return parentMenu_; }
    Form* form() const { return form_; }

    std::function<void()> Click;

    // Chooses the item as the user would (only when it and its menu are enabled).
    bool trigger();
    // Whether a chosen item would run now.
    bool usable() const;

    QAction* action() const { return action_; }
    QMenu* menu();          // the drop-down / pop-up (made on first use)

private:
    void attach();
    Form* form_;
    Menu* parentMenu_;
    QString caption_;
    QKeySequence shortcut_;
    bool enabled_ = true;
    bool visible_ = true;
    QAction* action_ = nullptr;
    QMenu* menu_ = nullptr;
};

// Toolbar. Buttons are numbered from 1 in the order added, separators counted.
// ButtonClick(Index) runs when a button is clicked.
class Toolbar : public QToolBar, public ControlCore {
    Q_OBJECT
public:
    Toolbar(QWidget* parent, const char* name);
    int addButton(const QString& toolTip, const QIcon& icon);   // returns its index
    int addSeparatorButton();                                   // returns its index
    int ButtonCount() const { return int(buttons_.size()); }
    bool isSeparator(int index) const;
    void setButtonEnabled(int index, bool e);
    bool ButtonEnabled(int index) const;
    QString ButtonToolTip(int index) const;
    QAction* buttonAction(int index) const;
    // Clicks button index as the user would (not separators, not disabled).
    bool clickButton(int index);
    std::function<void(int Index)> ButtonClick;
private:
    std::vector<QAction*> buttons_;
};

// Small built-in toolbar pictures.
enum class StockIcon { Open, Save, Print, Calculator, Help, Copy, List };
QIcon stockIcon(StockIcon which);

} // namespace forms
