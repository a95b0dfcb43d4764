#include "platform/drawing/picture_section.h"

#include <QRect>

#include "platform/drawing/picture_impl.h"

namespace platform {

Picture PictureSection(const Picture& picture, const TRect& section) {
  const QRect wanted = QRect(QPoint(section.Left, section.Top), QPoint(section.Right - 1, section.Bottom - 1))
                           .intersected(picture.impl().image.rect());
  if (wanted.isEmpty()) return Picture();
  Picture part = PictureFromImage(picture.impl().image.copy(wanted));
  part.impl().fromJpeg = picture.impl().fromJpeg;
  return part;
}

}  // namespace platform
