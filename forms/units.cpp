#include "forms/units.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPalette>
#include <QWidget>

#include <algorithm>
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

bool isNumberText(const QString& text)
{
    int i = 0;
    const int n = int(text.size());
    auto blanks = [&] {
        while (i < n && (text[i] == QChar(' ') || text[i] == QChar(0x3000))) ++i;
    };
    blanks();
    if (i < n && (text[i] == QChar('-') || text[i] == QChar('+'))) ++i;
    bool digits = false, point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c >= QChar('0') && c <= QChar('9')) digits = true;
        else if (c == QChar(',') && !point) continue;
        else if (c == QChar('.') && !point) point = true;
        else break;
    }
    blanks();
    return digits && i == n;
}

namespace {

// As much of both ends of `text` as fits in `width` pixels around "…" (the
// right end gets the odd character).
QString elidedInTheMiddle(const QString& text, double width, const QFontMetricsF& fm)
{
    QString out;
    for (qsizetype keep = text.size() - 1; keep >= 0; --keep) {
        const qsizetype left = keep / 2;
        out = text.left(left) + QChar(0x2026) + text.right(keep - left);
        if (fm.horizontalAdvance(out) <= width) break;
    }
    return out;
}

} // namespace

FittedText fittedText(const QFont& base, const QString& text, int width, const QPaintDevice* device)
{
    auto advance = [&](const QFont& f) { return QFontMetricsF(f, device).horizontalAdvance(text); };
    if (width <= 0 || !isNumberText(text)) return {base, text, false};
    const double full = advance(base);
    if (full <= width) return {base, text, false};
    // Sizes in steps of a quarter point (a pixel where the font is set in pixels).
    const bool points = base.pointSizeF() > 0;
    const double step = points ? 0.25 : 1.0;
    const double from = points ? base.pointSizeF() : double(base.pixelSize());
    const double least = std::min(std::ceil(from * 2 / 3 / step - 1e-9) * step, from);
    auto sized = [&](double s) {
        QFont f = base;
        if (points) f.setPointSizeF(s);
        else f.setPixelSize(int(s));
        return f;
    };
    // From the proportional estimate down to a size that fits, then up to
    // the largest that still does; never below the least size.
    double s = std::clamp(std::floor(from * width / full / step) * step, least, std::max(least, from - step));
    while (s > least && advance(sized(s)) > width) s -= step;
    while (s + step < from && advance(sized(s + step)) <= width) s += step;
    const QFont f = sized(s);
    if (advance(f) <= width) return {f, text, true};
    // In the least size the blanks around the number go first, then its middle.
    const QFontMetricsF fm(f, device);
    const QString digits = text.trimmed();
    if (fm.horizontalAdvance(digits) <= width) return {f, digits, true};
    return {f, elidedInTheMiddle(digits, width, fm), true};
}

QString numberToolTip(const QFont& base, const QString& text)
{
    const QString size = base.pointSizeF() > 0 ? QString::number(base.pointSizeF()) + QStringLiteral("pt")
                                               : QString::number(base.pixelSize()) + QStringLiteral("px");
    return QStringLiteral("<span style=\"white-space:pre; font-family:'%1'; font-size:%2; font-weight:%3\">%4</span>")
        .arg(base.family().toHtmlEscaped(), size, base.bold() ? QStringLiteral("bold") : QStringLiteral("normal"),
             text.trimmed().toHtmlEscaped());
}

} // namespace forms
