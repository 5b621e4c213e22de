#include "forms/commands.h"

#include "forms/form.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QApplication>
#include <QLayout>
#include <QToolButton>

namespace forms {

// ---- Menu -----------------------------------------------------------------

Menu::Menu(Form* form, const char* name, const QString& caption, const QString& shortcut)
    : QObject(form), form_(form), parentMenu_(nullptr), caption_(caption), shortcut_(QKeySequence(shortcut))
{
    setObjectName(QString::fromUtf8(name));
    attach();
}

Menu::Menu(Menu* parentMenu, const char* name, const QString& caption, const QString& shortcut)
    : QObject(parentMenu->form()), form_(parentMenu->form()), parentMenu_(parentMenu), caption_(caption),
      shortcut_(QKeySequence(shortcut))
{
    setObjectName(QString::fromUtf8(name));
    attach();
}

Menu::~Menu()
{
    if (form_) form_->unregisterMenu(this);
    delete action_;
    delete menu_;
}

void Menu::attach()
{
    form_->registerMenu(this);
    QWidget* host = isTopLevel() ? static_cast<QWidget*>(form_->menuBar()) : parentMenu_->menu();
    if (isSeparator()) {
        action_ = new QAction(host);
        action_->setSeparator(true);
    } else {
        // Until it gets items of its own (menu()), the item is a command.
        action_ = new QAction(caption_, host);
        if (!shortcut_.isEmpty()) {
            // Shown in the menu; the form itself handles the key (see Form::triggerShortcut).
            action_->setShortcut(shortcut_);
            action_->setShortcutContext(Qt::WidgetShortcut);
        }
        connect(action_, &QAction::triggered, this, [this] {
            if (form_ && !menu_) form_->program().dispatch([this] { if (Click) Click(); });
        });
    }
    action_->setObjectName(objectName());
    host->addAction(action_);
}

QMenu* Menu::menu()
{
    if (!menu_) {
        menu_ = new QMenu(caption_);
        menu_->setObjectName(objectName());
        action_->setMenu(menu_);
    }
    return menu_;
}

void Menu::setCaption(const QString& c)
{
    caption_ = c;
    if (action_) action_->setText(c);
    if (menu_) menu_->setTitle(c);
}

void Menu::setEnabled(bool e)
{
    enabled_ = e;
    if (action_) action_->setEnabled(e);
}

void Menu::setVisible(bool v)
{
    visible_ = v;
    if (action_) action_->setVisible(v);
}

void Menu::setChecked(bool c)
{
    if (!action_) return;
    action_->setCheckable(true);
    action_->setChecked(c);
}

bool Menu::Checked() const { return action_ && action_->isChecked(); }

bool Menu::usable() const
{
    if (isSeparator() || !enabled_ || !visible_ || !form_ || !form_->isLoaded()) return false;
    for (Menu* p = parentMenu_; p; p = p->parentMenu_)
        if (!p->enabled_) return false;
    return true;
}

bool Menu::trigger()
{
    if (!usable()) return false;
    form_->program().dispatch([this] { if (Click) Click(); });
    return true;
}

// ---- Toolbar --------------------------------------------------------------

Toolbar::Toolbar(QWidget* parent, const char* name) : QToolBar(host(parent)), ControlCore(this, name)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setContentsMargins(0, 0, 0, 0);
    if (layout()) {
        layout()->setContentsMargins(0, 0, 0, 0);
        layout()->setSpacing(0);
    }
    controlBuilt();
}

int Toolbar::addButton(const QString& toolTip, const QIcon& icon)
{
    QAction* a = addAction(icon, QString());
    a->setToolTip(toolTip);
    const int index = int(buttons_.size()) + 1;
    a->setObjectName(QStringLiteral("%1_Button%2").arg(objectName()).arg(index));
    a->setText(toolTip.isEmpty() ? QStringLiteral("%1").arg(index) : toolTip);
    connect(a, &QAction::triggered, this, [this, index] {
        fire([this, index] { if (ButtonClick) ButtonClick(index); });
    });
    if (QWidget* b = widgetForAction(a)) b->setFixedSize(23, 22);   // the old toolbar's button size
    buttons_.push_back(a);
    return index;
}

int Toolbar::addSeparatorButton()
{
    QAction* a = QToolBar::addSeparator();
    buttons_.push_back(a);
    return int(buttons_.size());
}

bool Toolbar::isSeparator(int index) const
{
    QAction* a = buttonAction(index);
    return a && a->isSeparator();
}

QAction* Toolbar::buttonAction(int index) const
{
    if (index < 1 || index > int(buttons_.size())) return nullptr;
    return buttons_[size_t(index - 1)];
}

void Toolbar::setButtonEnabled(int index, bool e)
{
    if (QAction* a = buttonAction(index)) a->setEnabled(e);
}

bool Toolbar::ButtonEnabled(int index) const
{
    QAction* a = buttonAction(index);
    return a && a->isEnabled();
}

QString Toolbar::ButtonToolTip(int index) const
{
    QAction* a = buttonAction(index);
    return a && !a->isSeparator() ? a->toolTip() : QString();
}

bool Toolbar::clickButton(int index)
{
    QAction* a = buttonAction(index);
    if (!a || a->isSeparator() || !a->isEnabled() || !isEnabled()) return false;
    a->trigger();
    return true;
}

// ---- Stock icons ----------------------------------------------------------

QIcon stockIcon(StockIcon which)
{
    QStyle* st = QApplication::style();
    switch (which) {
    case StockIcon::Open: return st->standardIcon(QStyle::SP_DialogOpenButton);
    case StockIcon::Save: return st->standardIcon(QStyle::SP_DialogSaveButton);
    default: break;
    }
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (which) {
    case StockIcon::Print:
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 8, 6);
        p.setBrush(QColor(160, 160, 160));
        p.drawRect(1, 6, 14, 6);
        p.setBrush(Qt::white);
        p.drawRect(4, 10, 8, 5);
        break;
    case StockIcon::Calculator:
        p.setPen(Qt::black);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(2, 0, 11, 15);
        p.setBrush(QColor(180, 230, 180));
        p.drawRect(4, 2, 7, 3);
        p.setBrush(Qt::black);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) p.drawRect(4 + c * 3, 7 + r * 3, 1, 1);
        break;
    case StockIcon::Copy:
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(1, 1, 8, 10);
        p.drawRect(6, 4, 8, 10);
        break;
    case StockIcon::Help: {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QColor(0, 0, 160));
        p.setBrush(QColor(255, 255, 200));
        p.drawEllipse(1, 1, 13, 13);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(11);
        p.setFont(f);
        p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case StockIcon::List:
    default:
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(1, 1, 13, 13);
        for (int y = 4; y < 13; y += 3) p.drawLine(3, y, 12, y);
        break;
    }
    return QIcon(pm);
}

} // namespace forms
