#include "sumlet/shell/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QLinearGradient>

namespace sumlet {

QPixmap adderPicture(int width, int height)
{
    QPixmap pm(width, height);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(width / 40.0, height / 40.0);

    // Paper tape leaving the top of the machine.
    p.setPen(QPen(QColor(90, 90, 90), 0.6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 1, 12, 14));
    p.setPen(QPen(QColor(150, 150, 150), 0.5));
    for (double y = 4; y < 14; y += 3)
        p.drawLine(QPointF(16, y), QPointF(24, y));

    // Body, display and keys.
    p.setPen(QPen(QColor(40, 40, 40), 0.8));
    p.setBrush(QColor(70, 110, 170));
    p.drawRoundedRect(QRectF(4, 12, 32, 26), 3, 3);
    p.setBrush(QColor(200, 235, 200));
    p.drawRect(QRectF(8, 15, 24, 5));
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            p.setBrush(c == 3 ? QColor(235, 120, 60) : QColor(240, 240, 240));
            p.drawRoundedRect(QRectF(8 + c * 6.3, 23 + r * 4.7, 4.6, 3.4), 0.8, 0.8);
        }
    }
    return pm;
}

void paintTitlePlate(QPainter& p, int width, int height, const QColor& top, const QColor& bottom,
                     const QColor& border)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 6, 6);
    p.fillPath(frame, g);
    p.setPen(QPen(border, 1));
    p.drawPath(frame);
}

} // namespace sumlet
