#include "canvas_pixels.h"

#include <QPainter>
#include <algorithm>

#include "platform/system/qt_application.h"

namespace tessel_test {

QImage Paint(int width, int height, const std::function<void(platform::TCanvas&)>& draw,
             int32_t pixelsPerInch) {
  platform::EnsureApplication();
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  platform::QPainterCanvas canvas(painter, pixelsPerInch);
  draw(canvas);
  painter.end();
  return image;
}

std::string Rows(const QImage& image) {
  std::string rows;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      switch (image.pixel(x, y) & 0xFFFFFF) {
        case 0xFFFFFF: rows += '.'; break;
        case 0x000000: rows += '#'; break;
        case 0xFF0000: rows += 'r'; break;
        case 0x00FF00: rows += 'g'; break;
        case 0x0000FF: rows += 'b'; break;
        case 0xFFFF00: rows += 'y'; break;
        default: rows += '?'; break;
      }
    }
    rows += '\n';
  }
  return rows;
}

InkBox InkBounds(const QImage& image) {
  InkBox box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) continue;
      if (box.left < 0) {
        box = InkBox{x, y, x + 1, y + 1};
      } else {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x + 1);
        box.bottom = std::max(box.bottom, y + 1);
      }
    }
  }
  return box;
}

}  // namespace tessel_test
