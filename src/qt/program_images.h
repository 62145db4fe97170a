// The program's images compiled into the window's library: the application
// icon and the direction buttons' bitmaps.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace orva {

QIcon applicationIcon();

// One image of the direction strip, with the bitmap's light grey made
// transparent.
QPixmap directionImage(int index);

}  // namespace orva
