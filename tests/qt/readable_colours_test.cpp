// The window's look without a window: contrast and readable shades, the
// article's colours mapped on a document, the window's fit into a screen
// and the zoom steps.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>

#include "qt/page_colours.h"
#include "qt/readable_colours.h"
#include "qt/window_geometry.h"
#include "qt/zoom_level.h"

namespace orva {
namespace {

TEST(ContrastTest, FollowsTheRelativeLuminanceFormula) {
  EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(contrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
  EXPECT_NEAR(contrastRatio(QColor(0x123456), QColor(0x123456)), 1.0, 1e-9);
  // Known values: pure red and #767676 on white.
  EXPECT_NEAR(contrastRatio(Qt::red, Qt::white), 4.0, 0.01);
  EXPECT_NEAR(contrastRatio(QColor(0x767676), Qt::white), 4.54, 0.01);
}

TEST(ReadableOnTest, KeepsWhatReadsAndMovesWhatDoesNotJustFarEnough) {
  EXPECT_EQ(readableOn(QColor(0x234567), Qt::white), QColor(0x234567));
  EXPECT_EQ(readableOn(Qt::black, Qt::white), QColor(Qt::black));
  // Red on white falls short: a darker red, only a little past the limit.
  const QColor red = readableOn(Qt::red, Qt::white);
  EXPECT_GE(contrastRatio(red, Qt::white), kReadableContrast);
  EXPECT_LT(contrastRatio(red, Qt::white), kReadableContrast + 0.2);
  EXPECT_GT(red.red(), 3 * std::max(red.green(), red.blue()) + 60);
  // The grammar labels' dark blue on a dark base: lighter, still blue.
  const QColor blue = readableOn(QColor(0x234567), QColor(0x202020));
  EXPECT_GE(contrastRatio(blue, QColor(0x202020)), kReadableContrast);
  EXPECT_GT(blue.blue(), blue.red());
  // A translucent colour is judged and given as drawn opaque.
  EXPECT_EQ(readableOn(QColor(0, 0, 0, 10), Qt::white).alpha(), 255);
}

TEST(ReadableOnTest, EveryTextReadsOnEveryBackground) {
  // Text of either side of the background, and backgrounds at the point
  // where black and white read equally.
  for (int background = 0; background <= 0xFF; background += 0x11) {
    for (const QRgb hue : {0xFF0000u, 0x234567u, 0xFF5A00u, 0x00FF00u, 0x808080u}) {
      for (const QRgb tint : {0x000000u, 0x3F3F3Fu, 0xFFFFFFu}) {
        const QColor back(background, background, (background * 3) % 256);
        const QColor text = QColor(hue | tint);
        EXPECT_GE(contrastRatio(readableOn(text, back), back), kReadableContrast)
            << text.name().toStdString() << " on " << back.name().toStdString();
      }
    }
  }
}

TEST(ListColoursTest, TextReadsOnRowsAndOnTheHighlightOfAnyPalette) {
  QPalette light;
  light.setColor(QPalette::Base, Qt::white);
  light.setColor(QPalette::Text, Qt::black);
  light.setColor(QPalette::Highlight, QColor(0x308CC6));  // white on it reads poorly
  light.setColor(QPalette::HighlightedText, Qt::white);
  QPalette dark;
  dark.setColor(QPalette::Base, QColor(0x1E1E1E));
  dark.setColor(QPalette::Text, QColor(0x5A5A5A));  // too dim a text
  dark.setColor(QPalette::Highlight, QColor(0x3DAEE9));
  dark.setColor(QPalette::HighlightedText, Qt::white);
  for (const QPalette& palette : {light, dark}) {
    const ListColours colours = listColours(palette);
    EXPECT_EQ(colours.row, palette.color(QPalette::Base));
    EXPECT_EQ(colours.selectedRow, palette.color(QPalette::Highlight));
    EXPECT_GE(contrastRatio(colours.rowText, colours.row), kReadableContrast);
    EXPECT_GE(contrastRatio(colours.selectedRowText, colours.selectedRow), kReadableContrast);
  }
  EXPECT_EQ(listColours(light).rowText, QColor(Qt::black));
}

QColor colourAt(const QTextDocument& document, const QString& text) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (it.fragment().text().contains(text)) {
        const QBrush brush = it.fragment().charFormat().foreground();
        return brush.style() == Qt::NoBrush ? QColor() : brush.color();
      }
  return QColor(1, 2, 3);  // not found
}

TEST(PageColoursTest, MapsEachColourFromThePagesOwnWhateverWasShownBefore) {
  QTextDocument document;
  const QString html = QStringLiteral(
      "<p><font color=red>red</font> plain <font color=\"#234567\">label</font> "
      "<font color=\"black\">black</font></p>");
  document.setHtml(html);
  const QColor dark(0x1E1E1E), light(Qt::white), lightText(0xDDDDDD), darkText(Qt::black);
  mapPageColours(document, dark, lightText);
  for (const QColor& colour : documentTextColours(document, lightText))
    EXPECT_GE(contrastRatio(colour, dark), kReadableContrast) << colour.name().toStdString();
  EXPECT_FALSE(colourAt(document, "plain").isValid());  // the palette's own text stays unset
  EXPECT_EQ(colourAt(document, "black"), lightText);     // black is the palette's text there
  EXPECT_EQ(document.toPlainText(), "red plain label black");

  // Back on white: the same as mapping the fresh page, not a shade of the
  // dark palette's colours.
  mapPageColours(document, light, darkText);
  QTextDocument fresh;
  fresh.setHtml(html);
  mapPageColours(fresh, light, darkText);
  for (const char* word : {"red", "label", "black", "plain"})
    EXPECT_EQ(colourAt(document, word), colourAt(fresh, word)) << word;
  EXPECT_EQ(colourAt(document, "label"), QColor(0x234567));
  EXPECT_EQ(colourAt(document, "black"), QColor(Qt::black));
  EXPECT_GE(contrastRatio(colourAt(document, "red"), light), kReadableContrast);

  // A default text that does not read is given a colour of its own.
  mapPageColours(document, dark, QColor(0x303030));
  ASSERT_TRUE(colourAt(document, "plain").isValid());
  EXPECT_GE(contrastRatio(colourAt(document, "plain"), dark), kReadableContrast);
  EXPECT_FALSE(document.isUndoAvailable());
}

TEST(WindowGeometryTest, FitsTheScreenWithRoomForTheFrame) {
  const QSize wished(480, 568), minimum(240, 300);
  const QMargins frame(8, 40, 8, 8);
  // Room enough: the wished size, centred.
  const QRect large(0, 0, 1600, 1000);
  QRect fitted = fittedWindowGeometry(large, wished, minimum, frame);
  EXPECT_EQ(fitted.size(), wished);
  EXPECT_EQ(fitted.center(), large.center());
  // A screen of 500 logical pixels (1000 at scale 2), beside a panel.
  const QRect small(40, 0, 760, 500);
  fitted = fittedWindowGeometry(small, wished, minimum, frame);
  EXPECT_TRUE(small.contains(fitted));
  EXPECT_EQ(fitted.height(), 500 - 48);
  EXPECT_EQ(fitted.width(), 480);
  EXPECT_GE(fitted.top() - small.top(), frame.top());  // the title bar stays on the screen
  // Smaller than the minimum: the whole area, never beyond it.
  const QRect tiny(10, 20, 200, 250);
  fitted = fittedWindowGeometry(tiny, wished, minimum, frame);
  EXPECT_EQ(fitted, tiny);
  // Room for the minimum but not its frame: the minimum, inside.
  const QRect tight(0, 0, 250, 320);
  fitted = fittedWindowGeometry(tight, wished, minimum, frame);
  EXPECT_EQ(fitted.size(), minimum);
  EXPECT_TRUE(tight.contains(fitted));
}

TEST(ZoomLevelTest, StepsStopAtBothEndsAndScaleFontsInPointsOrPixels) {
  ZoomLevel zoom;
  EXPECT_EQ(zoom.percent(), 100);
  zoom.zoomIn();
  EXPECT_EQ(zoom.percent(), 115);
  for (int i = 0; i < 20; ++i) zoom.zoomIn();
  EXPECT_TRUE(zoom.atLargest());
  EXPECT_EQ(zoom.percent(), 300);
  QFont points;
  points.setPointSizeF(10);
  EXPECT_DOUBLE_EQ(zoom.apply(points).pointSizeF(), 30);
  for (int i = 0; i < 20; ++i) zoom.zoomOut();
  EXPECT_TRUE(zoom.atSmallest());
  EXPECT_EQ(zoom.percent(), 60);
  QFont pixels;
  pixels.setPixelSize(10);
  EXPECT_EQ(zoom.apply(pixels).pixelSize(), 7);  // not below the legible minimum
  points.setPointSizeF(6);
  EXPECT_DOUBLE_EQ(zoom.apply(points).pointSizeF(), 5);
  zoom.reset();
  EXPECT_EQ(zoom.percent(), 100);
  EXPECT_EQ(zoom.apply(pixels).pixelSize(), 10);
}

}  // namespace
}  // namespace orva
