// The title picture of the tally form, drawn at the given size in pixels.
#pragma once

#include <QPixmap>

namespace sumlet {

QPixmap tallyTitlePicture(int width, int height);

} // namespace sumlet
