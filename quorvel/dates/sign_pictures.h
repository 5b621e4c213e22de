// The pictures of the twelve animal signs: small framed faces, drawn here.
#pragma once

#include <QPixmap>

namespace quorvel::dates {

constexpr int kSignPictureSize = 28; // pixels, square

// Picture k: 0 monkey, 1 rooster, 2 dog, 3 boar, 4 rat, 5 ox, 6 tiger,
// 7 rabbit, 8 dragon, 9 snake, 10 horse, 11 sheep; 12 (or any other) an empty frame.
QPixmap signPicture(int k);
// What picture k shows, for screen readers ("" for the empty frame).
QString signAnimal(int k);

} // namespace quorvel::dates
