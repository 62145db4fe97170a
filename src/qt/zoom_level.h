// The zoom of the list and the article: a percentage of the desktop's font
// size taken in fixed steps, and the font it gives.
#pragma once

#include <QFont>

namespace orva {

class ZoomLevel {
 public:
  // One step larger or smaller; at either end the zoom stays.
  void zoomIn();
  void zoomOut();
  void reset();
  int percent() const;
  bool atLargest() const;
  bool atSmallest() const;

  // `base` with its size scaled to the current percentage, whether it was
  // given in points or in pixels; never below a legible minimum.
  QFont apply(const QFont& base) const;

 private:
  int step_ = kNormalStep;
  static constexpr int kNormalStep = 3;
};

}  // namespace orva
