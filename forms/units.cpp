#include "forms/units.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace forms {

int px(double tw) { return int(std::lround(tw / TwipsPerPixel)); }
double twips(int pixels) { return double(pixels) * TwipsPerPixel; }

QColor vbColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint32 vbColorValue(const QColor& c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

void useSystemColours(QWidget& w)
{
    // Each colour set one by one: a palette that sets a role is not
    // overridden by the parent's.
    const QPalette system = QApplication::palette(&w);
    QPalette own = w.palette();
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        const auto group = QPalette::ColorGroup(g);
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto role = QPalette::ColorRole(r);
            own.setColor(group, role, system.color(group, role));
        }
    }
    w.setPalette(own);
}

QString fontFamilyFor(const QString& name)
{
    const QString n = name.trimmed();
    if (n == QStringLiteral("ＭＳ ゴシック") || n == QStringLiteral("MS Gothic")) return QStringLiteral("IPAGothic");
    if (n == QStringLiteral("ＭＳ Ｐゴシック") || n == QStringLiteral("MS PGothic")) return QStringLiteral("IPAPGothic");
    if (n == QStringLiteral("ＭＳ 明朝") || n == QStringLiteral("MS Mincho")) return QStringLiteral("IPAMincho");
    if (n == QStringLiteral("ＭＳ Ｐ明朝") || n == QStringLiteral("MS PMincho")) return QStringLiteral("IPAPMincho");
    return n;
}

QFont vbFont(const QString& name, double points, bool bold)
{
    QFont f(fontFamilyFor(name));
    f.setPointSizeF(points > 0 ? points : 9.0);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferDefault);
    return f;
}

QString displayText(const QString& caption)
{
    QString s = caption;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

} // namespace forms
