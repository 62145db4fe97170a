// Colours that stay readable on the desktop's palette: contrast ratios of
// two colours, a text colour moved just far enough from its background to
// be read, and the list's colours taken from a palette.
#pragma once

#include <QColor>
#include <QPalette>

namespace orva {

// The contrast text needs against its background.
inline constexpr double kReadableContrast = 4.5;

// The relative luminance of an sRGB colour, 0 (black) to 1 (white).
double relativeLuminance(const QColor& colour);

// The contrast ratio of two colours, 1 (equal) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// `text` itself when it reads on `background`; otherwise the colour of the
// same hue lightened (on a dark background) or darkened (on a light one)
// just far enough to reach `minimum`, and black or white when no colour of
// that hue does.
QColor readableOn(const QColor& text, const QColor& background, double minimum = kReadableContrast);

// The list's colours on a palette: rows on the palette's base, the selected
// row on its highlight, each text readable on its background.
struct ListColours {
  QColor row;
  QColor rowText;
  QColor selectedRow;
  QColor selectedRowText;
};
ListColours listColours(const QPalette& palette);

}  // namespace orva
