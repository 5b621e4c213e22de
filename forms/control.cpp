#include "forms/control.h"

#include "forms/accessibility.h"
#include "forms/form.h"
#include "forms/units.h"

#include <QWidget>

namespace forms {

FormsError::FormsError(int number, QString description)
    : number_(number), description_(std::move(description)),
      what_(QStringLiteral("error %1: %2").arg(number).arg(description_).toStdString())
{
}

ControlCore::ControlCore(QWidget* self, const char* name) : self_(self)
{
    // The name is for code only: screen readers take what the widget shows
    // (a caption, a label's current text), so no accessible name is set here.
    self_->setObjectName(QString::fromUtf8(name));
    installAccessibility();
    if (Form* f = form()) tabIndex_ = f->registerControl(this);
}

void ControlCore::controlBuilt()
{
    // A container's back colour does not colour the controls it holds.
    useSystemColours(*self_);
}

ControlCore::~ControlCore()
{
    if (Form* f = form()) f->unregisterControl(this);
}

QWidget* ControlCore::host(QWidget* p)
{
    if (auto* f = qobject_cast<Form*>(p)) return f->client();
    return p;
}

QString ControlCore::Name() const { return self_->objectName(); }

Form* ControlCore::form() const
{
    for (QWidget* w = self_->parentWidget(); w; w = w->parentWidget())
        if (auto* f = qobject_cast<Form*>(w)) return f;
    return nullptr;
}

double ControlCore::Left() const { return placed_ ? left_ : twips(self_->x()); }
double ControlCore::Top() const { return placed_ ? top_ : twips(self_->y()); }
double ControlCore::Width() const { return placed_ ? width_ : twips(self_->width()); }
double ControlCore::Height() const { return placed_ ? height_ : twips(self_->height()); }

void ControlCore::Move(double l, double t, double w, double h)
{
    left_ = l;
    top_ = t;
    width_ = w < 0 ? 0 : w;
    height_ = h < 0 ? 0 : h;
    placed_ = true;
    self_->setGeometry(px(l), px(t), px(width_), px(height_));
}

void ControlCore::setLeft(double tw) { Move(tw, Top(), Width(), Height()); }
void ControlCore::setTop(double tw) { Move(Left(), tw, Width(), Height()); }
void ControlCore::setWidth(double tw) { Move(Left(), Top(), tw, Height()); }
void ControlCore::setHeight(double tw) { Move(Left(), Top(), Width(), tw); }

bool ControlCore::Enabled() const { return !self_->testAttribute(Qt::WA_ForceDisabled); }
bool ControlCore::Visible() const { return !self_->isHidden(); }

void ControlCore::setBackColor(quint32 bgr)
{
    QPalette p = self_->palette();
    const QColor c = vbColor(bgr);
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    self_->setPalette(p);
    self_->setAutoFillBackground(true);
    self_->setProperty("forms_backColor", bgr);
}

void ControlCore::setForeColor(quint32 bgr)
{
    QPalette p = self_->palette();
    const QColor c = vbColor(bgr);
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    self_->setPalette(p);
    self_->setProperty("forms_foreColor", bgr);
}

quint32 ControlCore::BackColor() const { return vbColorValue(self_->palette().color(QPalette::Window)); }
quint32 ControlCore::ForeColor() const { return vbColorValue(self_->palette().color(QPalette::WindowText)); }

void ControlCore::setFontFace(const QString& name, double points, bool bold)
{
    fontName_ = name;
    self_->setFont(vbFont(name, points, bold));
}

void ControlCore::setFontSize(double points)
{
    QFont f = self_->font();
    f.setPointSizeF(points);
    self_->setFont(f);
}

void ControlCore::setFontBold(bool bold)
{
    QFont f = self_->font();
    f.setBold(bold);
    self_->setFont(f);
}

double ControlCore::FontSize() const { return self_->font().pointSizeF(); }
bool ControlCore::FontBold() const { return self_->font().bold(); }

void ControlCore::SetFocus()
{
    if (Form* f = form()) f->focusControl(this);
}

bool ControlCore::hasLogicalFocus() const
{
    Form* f = form();
    return f && f->ActiveControl() == this;
}

void ControlCore::fire(const std::function<void()>& handler) const
{
    if (!handler) return;
    if (Form* f = form()) {
        if (!f->isLoaded()) return;   // an unloaded form runs no handler
        f->program().dispatch(handler);
    }
    else
        handler();
}

} // namespace forms
