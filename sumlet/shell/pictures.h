// The decoration picture of the start menu and the version box.
#pragma once

#include <QPixmap>

namespace sumlet {

// A small adding machine with its paper tape, drawn at the given size in pixels.
QPixmap adderPicture(int width, int height);

} // namespace sumlet
