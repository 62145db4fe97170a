// Loading the program's compiled-in images.
#include "qt/program_images.h"

#include <QImage>

#include "ui/resources.h"

// The images are compiled into this library; a static library must ask for
// them to be registered.
static void registerImages() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(resources);
    return true;
  }();
  (void)registered;
}

namespace orva {

QIcon applicationIcon() {
  registerImages();
  return QIcon(QStringLiteral(":/orva/orva.ico"));
}

QPixmap directionImage(int index) {
  registerImages();
  QImage strip(QStringLiteral(":/orva/directions.bmp"));
  strip = strip.convertToFormat(QImage::Format_ARGB32);
  // Light grey is the bitmap's transparent colour.
  for (int y = 0; y < strip.height(); ++y)
    for (int x = 0; x < strip.width(); ++x)
      if ((strip.pixel(x, y) & 0xFFFFFF) == 0xC0C0C0) strip.setPixel(x, y, 0);
  return QPixmap::fromImage(strip.copy(index * kDirectionImageSize, 0, kDirectionImageSize, kDirectionImageSize));
}

}  // namespace orva
