#include "quorvel/dates/sign_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace quorvel::dates {

namespace {

const QColor kInk(40, 40, 40);

void fill(QPainter& p, QColor c)
{
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(c);
}

void ellipse(QPainter& p, QColor c, double x, double y, double w, double h)
{
    fill(p, c);
    p.drawEllipse(QRectF(x, y, w, h));
}

void polygon(QPainter& p, QColor c, std::initializer_list<QPointF> pts)
{
    fill(p, c);
    p.drawPolygon(QPolygonF(QList<QPointF>(pts)));
}

void eyes(QPainter& p, double y, double x1 = 10.5, double x2 = 17.5, double r = 1.3)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(x1, y), r, r);
    p.drawEllipse(QPointF(x2, y), r, r);
}

void line(QPainter& p, QColor c, double w, QPointF a, QPointF b)
{
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

void monkey(QPainter& p)
{
    ellipse(p, QColor(222, 180, 140), 3, 10, 6, 7);
    ellipse(p, QColor(222, 180, 140), 19, 10, 6, 7);
    ellipse(p, QColor(140, 90, 50), 6, 5, 16, 18);
    ellipse(p, QColor(240, 200, 170), 8.5, 10, 11, 11);
    eyes(p, 13.5, 11.8, 16.2, 1.1);
    line(p, kInk, 0.9, {12, 18.5}, {16, 18.5});
}

void rooster(QPainter& p)
{
    polygon(p, QColor(220, 40, 40), {{9, 8}, {10.5, 3}, {12.5, 6}, {14, 2.5}, {15.5, 6}, {17.5, 3}, {19, 8}});
    ellipse(p, Qt::white, 7, 6, 14, 16);
    eyes(p, 12, 11, 17, 1.1);
    polygon(p, QColor(250, 200, 40), {{12, 15}, {16, 15}, {14, 19}});
    ellipse(p, QColor(220, 40, 40), 12.5, 19, 3, 4);
}

void dog(QPainter& p)
{
    ellipse(p, QColor(225, 180, 120), 6, 5, 16, 17);
    ellipse(p, QColor(130, 80, 40), 3, 6, 6, 12);
    ellipse(p, QColor(130, 80, 40), 19, 6, 6, 12);
    ellipse(p, QColor(250, 235, 210), 10, 14, 8, 7);
    eyes(p, 12);
    ellipse(p, kInk, 12.5, 14.5, 3, 2.2);
}

void boar(QPainter& p)
{
    polygon(p, QColor(100, 65, 40), {{7, 9}, {8, 3}, {12, 7}});
    polygon(p, QColor(100, 65, 40), {{21, 9}, {20, 3}, {16, 7}});
    ellipse(p, QColor(120, 80, 50), 5, 5, 18, 17);
    eyes(p, 11);
    ellipse(p, QColor(240, 170, 170), 9.5, 14, 9, 6);
    eyes(p, 17, 12.3, 15.7, 0.9);
    polygon(p, Qt::white, {{8.5, 17}, {9.5, 21}, {10.5, 17}});
    polygon(p, Qt::white, {{19.5, 17}, {18.5, 21}, {17.5, 17}});
}

void rat(QPainter& p)
{
    ellipse(p, QColor(170, 170, 175), 3, 3, 9, 9);
    ellipse(p, QColor(170, 170, 175), 16, 3, 9, 9);
    ellipse(p, QColor(245, 180, 190), 5, 5, 5, 5);
    ellipse(p, QColor(245, 180, 190), 18, 5, 5, 5);
    polygon(p, QColor(170, 170, 175), {{7, 11}, {21, 11}, {19, 19}, {14, 24}, {9, 19}});
    eyes(p, 14.5, 11.5, 16.5, 1.1);
    ellipse(p, QColor(240, 120, 140), 12.8, 21, 2.4, 2);
    line(p, kInk, 0.5, {11, 20}, {5, 19});
    line(p, kInk, 0.5, {17, 20}, {23, 19});
}

void ox(QPainter& p)
{
    fill(p, QColor(240, 225, 170));
    QPainterPath horns;
    horns.moveTo(8, 8);
    horns.quadTo(2, 7, 4, 2);
    horns.quadTo(6, 6, 10, 6);
    horns.moveTo(20, 8);
    horns.quadTo(26, 7, 24, 2);
    horns.quadTo(22, 6, 18, 6);
    p.drawPath(horns);
    ellipse(p, Qt::white, 6, 5, 16, 18);
    ellipse(p, kInk, 15, 6, 6, 6);
    eyes(p, 12);
    ellipse(p, QColor(240, 170, 170), 8.5, 16, 11, 6);
    eyes(p, 19, 12, 16, 0.8);
}

void tiger(QPainter& p)
{
    ellipse(p, QColor(240, 150, 40), 5, 3, 6, 6);
    ellipse(p, QColor(240, 150, 40), 17, 3, 6, 6);
    ellipse(p, QColor(240, 150, 40), 5, 5, 18, 17);
    line(p, kInk, 1.2, {14, 6}, {14, 9.5});
    line(p, kInk, 1.0, {11, 6.5}, {12, 9});
    line(p, kInk, 1.0, {17, 6.5}, {16, 9});
    line(p, kInk, 1.0, {5.5, 12}, {8.5, 13});
    line(p, kInk, 1.0, {22.5, 12}, {19.5, 13});
    ellipse(p, Qt::white, 9.5, 14.5, 9, 6.5);
    eyes(p, 12);
    ellipse(p, QColor(230, 90, 90), 12.8, 15, 2.4, 1.8);
}

void rabbit(QPainter& p)
{
    ellipse(p, Qt::white, 7.5, 1, 5, 13);
    ellipse(p, Qt::white, 15.5, 1, 5, 13);
    ellipse(p, QColor(250, 190, 200), 9, 3, 2, 9);
    ellipse(p, QColor(250, 190, 200), 17, 3, 2, 9);
    ellipse(p, Qt::white, 6, 10, 16, 14);
    eyes(p, 16, 10.5, 17.5, 1.2);
    ellipse(p, QColor(240, 120, 140), 12.8, 18, 2.4, 2);
}

void dragon(QPainter& p)
{
    line(p, QColor(200, 160, 60), 1.4, {9, 8}, {6, 2});
    line(p, QColor(200, 160, 60), 1.4, {19, 8}, {22, 2});
    line(p, QColor(200, 160, 60), 1.0, {7, 4.5}, {9.5, 3.5});
    line(p, QColor(200, 160, 60), 1.0, {21, 4.5}, {18.5, 3.5});
    ellipse(p, QColor(60, 160, 90), 6, 6, 16, 17);
    ellipse(p, QColor(150, 210, 150), 9, 15, 10, 6);
    eyes(p, 12);
    line(p, QColor(60, 160, 90), 0.9, {9, 18}, {3, 22});
    line(p, QColor(60, 160, 90), 0.9, {19, 18}, {25, 22});
    eyes(p, 17, 12.3, 15.7, 0.7);
}

void snake(QPainter& p)
{
    ellipse(p, QColor(120, 190, 60), 5, 6, 18, 14);
    line(p, QColor(60, 120, 30), 1.0, {10, 8}, {18, 8});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 230, 60));
    p.drawEllipse(QPointF(10.5, 12), 1.8, 1.8);
    p.drawEllipse(QPointF(17.5, 12), 1.8, 1.8);
    line(p, kInk, 0.9, {10.5, 10.5}, {10.5, 13.5});
    line(p, kInk, 0.9, {17.5, 10.5}, {17.5, 13.5});
    line(p, QColor(220, 30, 30), 0.9, {14, 20}, {14, 23});
    line(p, QColor(220, 30, 30), 0.8, {14, 23}, {12.5, 25});
    line(p, QColor(220, 30, 30), 0.8, {14, 23}, {15.5, 25});
}

void horse(QPainter& p)
{
    polygon(p, QColor(150, 95, 55), {{8, 8}, {9, 2.5}, {11.5, 6}});
    polygon(p, QColor(150, 95, 55), {{20, 8}, {19, 2.5}, {16.5, 6}});
    ellipse(p, QColor(170, 110, 60), 8, 4, 12, 21);
    polygon(p, QColor(60, 40, 30), {{11, 4.5}, {14, 2}, {17, 4.5}, {14, 9}});
    eyes(p, 11, 10.8, 17.2, 1.1);
    ellipse(p, QColor(210, 170, 130), 10, 17, 8, 7);
    eyes(p, 20.5, 12.3, 15.7, 0.8);
}

void sheep(QPainter& p)
{
    fill(p, Qt::white);
    for (const QPointF c : {QPointF(8, 7), QPointF(14, 5), QPointF(20, 7), QPointF(6, 13), QPointF(22, 13)})
        p.drawEllipse(c, 4, 4);
    fill(p, QColor(200, 160, 90));
    p.drawEllipse(QPointF(5.5, 11), 2.5, 3);
    p.drawEllipse(QPointF(22.5, 11), 2.5, 3);
    ellipse(p, QColor(245, 225, 200), 9, 8, 10, 15);
    eyes(p, 13.5, 12, 16, 1.0);
    ellipse(p, QColor(220, 140, 140), 12.8, 18.5, 2.4, 1.8);
}

} // namespace

QPixmap signPicture(int k)
{
    QPixmap pm(kSignPictureSize, kSignPictureSize);
    pm.fill(QColor(255, 250, 235));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    using Draw = void (*)(QPainter&);
    static const Draw kDraw[12] = {monkey, rooster, dog, boar, rat, ox, tiger, rabbit, dragon, snake, horse, sheep};
    if (k >= 0 && k < 12) kDraw[k](p);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, kSignPictureSize - 1, kSignPictureSize - 1);
    return pm;
}

QString signAnimal(int k)
{
    static const char* const kNames[12] = {"猿", "鶏", "犬", "猪", "鼠", "牛", "虎", "兎", "竜", "蛇", "馬", "羊"};
    return k >= 0 && k < 12 ? QString::fromUtf8(kNames[k]) : QString();
}

} // namespace quorvel::dates
