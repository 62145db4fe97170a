// Contrast ratios and the search for a readable shade.
#include "qt/readable_colours.h"

#include <cmath>

namespace orva {

namespace {

double linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// The colour of `hue` at HSL lightness `lightness` (0 to 1), in the eight
// bits a channel is drawn with.
QColor atLightness(const QColor& hue, double lightness) {
  const QColor hsl = hue.toHsl();
  return QColor(QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), static_cast<float>(lightness)).rgb());
}

}  // namespace

double relativeLuminance(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
  const double la = relativeLuminance(a);
  const double lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& text, const QColor& background, double minimum) {
  const QColor opaque = QColor(text.rgb());
  if (contrastRatio(opaque, background) >= minimum) return opaque;
  // Away from the background: lighter on a dark one, darker on a light one.
  // Black and white give the most contrast there is on either side.
  const bool lighten = relativeLuminance(background) < 0.18;
  const QColor extreme = lighten ? QColor(Qt::white) : QColor(Qt::black);
  if (contrastRatio(extreme, background) < minimum) return extreme;
  // Contrast grows steadily as the lightness moves away from the
  // background's, so the nearest readable lightness is found by halving;
  // `far` always reads.
  double near = opaque.toHsl().lightnessF();
  double far = lighten ? 1.0 : 0.0;
  for (int step = 0; step < 24; ++step) {
    const double middle = (near + far) / 2;
    if (contrastRatio(atLightness(opaque, middle), background) >= minimum)
      far = middle;
    else
      near = middle;
  }
  const QColor found = atLightness(opaque, far);
  return contrastRatio(found, background) >= minimum ? found : extreme;
}

ListColours listColours(const QPalette& palette) {
  ListColours colours;
  colours.row = palette.color(QPalette::Active, QPalette::Base);
  colours.rowText = readableOn(palette.color(QPalette::Active, QPalette::Text), colours.row);
  colours.selectedRow = palette.color(QPalette::Active, QPalette::Highlight);
  colours.selectedRowText = readableOn(palette.color(QPalette::Active, QPalette::HighlightedText), colours.selectedRow);
  return colours;
}

}  // namespace orva
