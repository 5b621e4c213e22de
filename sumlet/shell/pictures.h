// Looks shared by the shell's forms: the decoration picture (start menu,
// version box) and system colours inside coloured frames.
#pragma once

#include <QPixmap>

class QWidget;

namespace sumlet {

// A small adding machine with its paper tape, drawn at the given size in pixels.
QPixmap adderPicture(int width, int height);

// Gives a control inside a coloured frame the system colours again (a frame's
// back colour would otherwise spread to the controls it holds).
void keepSystemColours(QWidget& control);

} // namespace sumlet
