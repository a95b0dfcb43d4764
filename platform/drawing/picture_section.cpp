#include "platform/drawing/picture_section.h"

#include <QRect>
#include <algorithm>
#include <cmath>

#include "platform/drawing/picture_impl.h"

namespace platform {
namespace {

Picture LikeItsSource(const Picture& source, QImage image) {
  Picture part = PictureFromImage(std::move(image));
  part.impl().fromJpeg = source.impl().fromJpeg;
  return part;
}

}  // namespace

Picture PictureSection(const Picture& picture, const TRect& section) {
  const QRect wanted = QRect(QPoint(section.Left, section.Top), QPoint(section.Right - 1, section.Bottom - 1))
                           .intersected(picture.impl().image.rect());
  if (wanted.isEmpty()) return Picture();
  return LikeItsSource(picture, picture.impl().image.copy(wanted));
}

Picture SampledPictureArea(const Picture& picture, const PictureArea& area, int32_t width,
                           int32_t height) {
  const QImage& source = picture.impl().image;
  if (width <= 0 || height <= 0 || source.isNull()) return Picture();
  QImage sampled(width, height, QImage::Format_RGB32);
  if (sampled.isNull()) return Picture();
  const auto at = [](double from, double to, int32_t index, int32_t count, int32_t limit) {
    const double point = from + (index + 0.5) * (to - from) / count;
    return std::clamp(static_cast<int32_t>(std::floor(point)), 0, limit - 1);
  };
  for (int32_t y = 0; y < height; ++y) {
    const int32_t row = at(area.top, area.bottom, y, height, source.height());
    auto* line = reinterpret_cast<QRgb*>(sampled.scanLine(y));
    for (int32_t x = 0; x < width; ++x) {
      line[x] = source.pixel(at(area.left, area.right, x, width, source.width()), row);
    }
  }
  return LikeItsSource(picture, std::move(sampled));
}

}  // namespace platform
