// The zoom steps and scaling a font by them.
#include "qt/zoom_level.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orva {

namespace {

constexpr std::array<int, 11> kPercents{60, 75, 90, 100, 115, 130, 150, 175, 200, 250, 300};

// Below these a text is no longer read.
constexpr double kSmallestPoints = 5.0;
constexpr int kSmallestPixels = 7;

}  // namespace

void ZoomLevel::zoomIn() { step_ = std::min(step_ + 1, static_cast<int>(kPercents.size()) - 1); }
void ZoomLevel::zoomOut() { step_ = std::max(step_ - 1, 0); }
void ZoomLevel::reset() { step_ = kNormalStep; }
int ZoomLevel::percent() const { return kPercents[static_cast<size_t>(step_)]; }
bool ZoomLevel::atLargest() const { return step_ == static_cast<int>(kPercents.size()) - 1; }
bool ZoomLevel::atSmallest() const { return step_ == 0; }

QFont ZoomLevel::apply(const QFont& base) const {
  QFont font = base;
  const double factor = percent() / 100.0;
  if (base.pointSizeF() > 0)
    font.setPointSizeF(std::max(kSmallestPoints, base.pointSizeF() * factor));
  else if (base.pixelSize() > 0)
    font.setPixelSize(std::max(kSmallestPixels, static_cast<int>(std::lround(base.pixelSize() * factor))));
  return font;
}

}  // namespace orva
