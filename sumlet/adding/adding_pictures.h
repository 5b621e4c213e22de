// Pictures of the adding machine's form, drawn at the given size in pixels.
#pragma once

#include <QPixmap>

namespace sumlet {

QPixmap addingTitlePicture(int width, int height);   // Image2
QPixmap addingPanelPicture(int width, int height);   // Image1, behind the display
QIcon addingFormIcon();

} // namespace sumlet
