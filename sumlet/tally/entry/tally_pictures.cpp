#include "sumlet/tally/entry/tally_pictures.h"
#include "sumlet/shell/pictures.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace sumlet {

QPixmap tallyTitlePicture(int width, int height)
{
    QPixmap pm(width, height);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paintTitlePlate(p, width, height, QColor(0x20, 0x80, 0x40), QColor(0x08, 0x48, 0x20), Qt::white);
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
