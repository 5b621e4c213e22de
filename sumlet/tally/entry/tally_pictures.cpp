#include "sumlet/tally/entry/tally_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace sumlet {

QPixmap tallyTitlePicture(int width, int height)
{
    QPixmap pm(width, height);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, QColor(0x20, 0x80, 0x40));
    g.setColorAt(1, QColor(0x08, 0x48, 0x20));
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 6, 6);
    p.fillPath(frame, g);
    p.setPen(QPen(Qt::white, 1));
    p.drawPath(frame);
    // A small bar chart on the left, the title on the right.
    const int base = height - 8;
    const int bars[] = {14, 24, 18, 30};
    for (int i = 0; i < 4; ++i) {
        const int h = std::min(bars[i] * height / 47, base - 4);
        p.fillRect(QRect(8 + i * 7, base - h, 5, h), QColor(0xFF, 0xE0, 0x60));
    }
    QFont f(QStringLiteral("IPAPGothic"));
    f.setBold(true);
    f.setPixelSize(std::max(8, height * 9 / 20));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(40, 0, width - 44, height), Qt::AlignCenter, QStringLiteral("実績集計"));
    return pm;
}

} // namespace sumlet
