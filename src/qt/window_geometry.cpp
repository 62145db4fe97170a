// Fitting the window into the screen.
#include "qt/window_geometry.h"

#include <algorithm>

namespace orva {

QRect fittedWindowGeometry(const QRect& available, QSize wished, QSize minimum, const QMargins& frame) {
  const QSize room = available.marginsRemoved(frame).size().expandedTo(QSize(1, 1));
  // The minimum gives way to a screen too small for it; the window stays
  // inside the available area whatever happens.
  const QSize floor = minimum.boundedTo(available.size());
  QSize size = wished.boundedTo(room).expandedTo(floor);
  size = size.boundedTo(available.size());
  QRect rect(QPoint(0, 0), size);
  rect.moveCenter(available.center());
  // Centring an odd remainder may leave the top or left a pixel outside.
  rect.moveLeft(std::max(rect.left(), available.left()));
  rect.moveTop(std::max(rect.top(), available.top()));
  // The frame's title bar goes above the window: keep it on the screen.
  const int titleRoom = std::min(frame.top(), available.height() - size.height());
  if (rect.top() - available.top() < titleRoom) rect.moveTop(available.top() + titleRoom);
  return rect;
}

}  // namespace orva
