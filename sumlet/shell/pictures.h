// The decoration picture of the start menu and the version box.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>

namespace sumlet {

// A small adding machine with its paper tape, drawn at the given size in pixels.
QPixmap adderPicture(int width, int height);

// The rounded plate behind a form's title picture: a top-to-bottom gradient
// with a one-pixel border.
void paintTitlePlate(QPainter& p, int width, int height, const QColor& top, const QColor& bottom,
                     const QColor& border);

} // namespace sumlet
