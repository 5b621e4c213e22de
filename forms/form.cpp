#include "forms/form.h"

#include "forms/commands.h"
#include "forms/units.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace forms {

Form::Form(Program& program, const char* name) : QWidget(nullptr), program_(program)
{
    setObjectName(QString::fromUtf8(name));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(px(4800), px(3600));
    layout_->addWidget(client_);
    qApp->installEventFilter(this);
}

Form::~Form()
{
    qApp->removeEventFilter(this);
}

void Form::Show() { program_.forms().show(*this); }
void Form::ShowModal() { program_.forms().showModal(*this); }
void Form::Hide() { program_.forms().hide(*this); }
void Form::Unload() { program_.forms().unload(*this); }
bool Form::isActiveForm() const { return program_.forms().activeForm() == this; }
bool Form::isLoaded() const { return loaded_; }

void Form::setCaption(const QString& caption) { setWindowTitle(caption); }

void Form::setClientSize(double w, double h)
{
    client_->setFixedSize(px(w), px(h));
    adjustSize();
}

double Form::ScaleWidth() const { return twips(client_->width()); }
double Form::ScaleHeight() const { return twips(client_->height()); }

void Form::setBackColor(quint32 bgr)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, vbColor(bgr));
    setPalette(p);
    setAutoFillBackground(true);
    client_->setAutoFillBackground(true);
}

quint32 Form::BackColor() const { return vbColorValue(palette().color(QPalette::Window)); }

void Form::setFontFace(const QString& name, double points, bool bold)
{
    fontName_ = name;
    client_->setFont(vbFont(name, points, bold));
}

double Form::Left() const { return twips(frameGeometry().x()); }
double Form::Top() const { return twips(frameGeometry().y()); }
double Form::Width() const { return twips(isVisible() ? frameGeometry().width() : sizeHint().width()); }
double Form::Height() const { return twips(isVisible() ? frameGeometry().height() : sizeHint().height()); }
void Form::setLeft(double tw) { move(px(tw), pos().y()); }
void Form::setTop(double tw) { move(pos().x(), px(tw)); }
void Form::MoveTo(double l, double t) { move(px(l), px(t)); }

void Form::focusControl(ControlCore* c)
{
    if (!c || !loaded_ || program_.Ended()) return;
    QWidget* w = c->widget();
    if (!c->canTakeFocus() || !w->isEnabled() || isHidden() || !w->isVisibleTo(this)) return;
    noteFocus(c);
    if (focused_ == c) w->setFocus(Qt::OtherFocusReason);
}

void Form::noteFocus(ControlCore* c)
{
    if (c == focused_) return;
    ControlCore* old = focused_;
    focused_ = c;
    if (old && old->LostFocus) old->fire(old->LostFocus);
    if (c && c->GotFocus && focused_ == c) c->fire(c->GotFocus);
}

MsgResult Form::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    return services().MsgBox(text, buttons, icon, title.isNull() ? program_.Title() : title, this);
}

void Form::Beep() { services().Beep(); }

void Form::Warn(const QString& text, ControlCore* focusBack, bool beep)
{
    if (beep) Beep();
    MsgBox(text, MsgButtons::OKOnly, MsgIcon::Exclamation, QStringLiteral("Check"));
    if (focusBack) focusBack->SetFocus();
}

void Form::PopupMenu(Menu& m)
{
    services().PopupMenu(*m.menu(), m.Name(), QCursor::pos());
}

int Form::registerControl(ControlCore* c)
{
    controls_.push_back(c);
    return builtControls_++;
}

void Form::unregisterControl(ControlCore* c)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    if (focused_ == c) focused_ = nullptr;
}

void Form::registerMenu(Menu* m) { menus_.push_back(m); }
void Form::unregisterMenu(Menu* m) { menus_.erase(std::remove(menus_.begin(), menus_.end(), m), menus_.end()); }

QMenuBar* Form::menuBar()
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setNativeMenuBar(false);
        useSystemColours(*menuBar_);   // system colours, not the form's
        menuBar_->setAutoFillBackground(true);
        layout_->setMenuBar(menuBar_);
    }
    return menuBar_;
}

ControlCore* Form::controlOf(QWidget* w) const
{
    for (; w && w != this; w = w->parentWidget())
        for (ControlCore* c : controls_)
            if (c->widget() == w) return c;
    return nullptr;
}

ControlCore* Form::findControl(const QString& name) const
{
    for (ControlCore* c : controls_)
        if (c->Name() == name) return c;
    return nullptr;
}

bool Form::triggerShortcut(int key, Qt::KeyboardModifiers mods)
{
    mods &= ~Qt::KeypadModifier;
    if (!(mods & (Qt::ControlModifier | Qt::AltModifier)) && !(key >= Qt::Key_F1 && key <= Qt::Key_F24)) return false;
    const QKeySequence seq(QKeyCombination(mods, Qt::Key(key)));
    for (Menu* m : menus_) {
        if (m->Shortcut().isEmpty() || m->Shortcut() != seq) continue;
        if (!m->usable()) return false;
        m->trigger();
        return true;
    }
    return false;
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type t = event->type();
    if (t != QEvent::KeyPress && t != QEvent::FocusIn) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != this || !loaded_ || program_.Ended()) return false;
    if (t == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        return triggerShortcut(k->key(), k->modifiers());
    }
    if (ControlCore* c = controlOf(w)) noteFocus(c);
    return false;
}

void Form::closeEvent(QCloseEvent* e)
{
    e->ignore();
    if (loaded_ && !program_.Ended()) program_.forms().closeRequested(*this);
}

void Form::mouseReleaseEvent(QMouseEvent* e)
{
    QWidget::mouseReleaseEvent(e);
    if (loaded_) program_.dispatch([this] { Form_Click(); });
}

bool Form::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        // Only a window the user really moved to counts: check once the
        // pending window-system events have been handled.
        QTimer::singleShot(0, this, [this] {
            if (QApplication::activeWindow() == this && loaded_) program_.forms().windowActivated(*this);
        });
    }
    return QWidget::event(e);
}

} // namespace forms
