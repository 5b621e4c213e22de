#include "forms/accessibility.h"

#include "forms/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace forms {

namespace {

// A caption as drawn: "&x" shows x, "&&" one "&".
QString withoutMnemonic(const QString& caption)
{
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size()) break;
        out += caption[i];
    }
    return out;
}

class ShownTextAccessible : public QAccessibleWidget {
public:
    ShownTextAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
        if (auto* l = qobject_cast<const Label*>(widget())) return l->text();
        if (auto* f = qobject_cast<const Frame*>(widget())) return withoutMnemonic(f->title());
        return QString();
    }
};

QAccessibleInterface* controlAccessible(const QString& className, QObject* o)
{
    if (!o || !o->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(o);
    if (className == QLatin1String("forms::Label")) return new ShownTextAccessible(w, QAccessible::StaticText);
    if (className == QLatin1String("forms::Frame")) return new ShownTextAccessible(w, QAccessible::Grouping);
    if (className == QLatin1String("forms::Image")) return new ShownTextAccessible(w, QAccessible::Graphic);
    if (className == QLatin1String("forms::PictureBox")) return new ShownTextAccessible(w, QAccessible::Pane);
    if (className == QLatin1String("forms::Line")) return new ShownTextAccessible(w, QAccessible::Separator);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace forms
