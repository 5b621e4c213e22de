#include "sumlet/adding/adding_pictures.h"
#include "sumlet/shell/pictures.h"

#include <QFont>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>

namespace sumlet {

QPixmap addingTitlePicture(int width, int height)
{
    QPixmap pm(width, height);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paintTitlePlate(p, width, height, QColor(0x30, 0x40, 0xA0), QColor(0x10, 0x18, 0x60), QColor(0xFF, 0xE0, 0x60));
    QFont f(QStringLiteral("IPAPGothic"));
    f.setBold(true);
    f.setPixelSize(std::max(8, height * 11 / 20));
    p.setFont(f);
    p.setPen(QColor(0xFF, 0xE0, 0x60));
    p.drawText(QRect(0, 0, width, height), Qt::AlignCenter, QStringLiteral("Tesk加算機"));
    return pm;
}

QPixmap addingPanelPicture(int width, int height)
{
    QPixmap pm(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, QColor(0xD8, 0xDC, 0xE8));
    g.setColorAt(1, QColor(0x98, 0xA0, 0xB8));
    p.fillRect(pm.rect(), g);
    p.setPen(QPen(QColor(0x60, 0x68, 0x80), 2));
    p.drawRoundedRect(QRectF(1, 1, width - 2, height - 2), 8, 8);
    return pm;
}

QIcon addingFormIcon()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x80, 0x80, 0xFF));
    p.setPen(QPen(Qt::black, 1));
    p.drawRoundedRect(QRectF(3, 2, 26, 28), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 5, 18, 7));
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(10, 20, 22, 20);
    p.drawLine(16, 14, 16, 26);
    return QIcon(pm);
}

} // namespace sumlet
