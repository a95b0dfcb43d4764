#include "tests/fuzz/entries/picture_check.h"

#include <QImage>
#include <QPainter>
#include <variant>

#include "platform/drawing/qpainter_canvas.h"
#include "platform/system/qt_application.h"
#include "tests/fuzz/entries/invariant.h"

namespace tessel_fuzz {

void CheckDecoded(const platform::PictureResult& result) {
  if (const auto* refusal = std::get_if<platform::PictureError>(&result)) {
    CheckInvariant(!refusal->reason.empty(), "a refused picture says why");
    return;
  }
  const auto& picture = std::get<platform::Picture>(result);
  CheckInvariant(!picture.Empty() && picture.Width() > 0 && picture.Height() > 0,
                 "a decoded picture has pixels");
  CheckInvariant(int64_t{picture.Width()} * picture.Height() <= platform::kMaxPicturePixels,
                 "a decoded picture keeps within the size limit");
}

void DrawPicture(const platform::Picture& picture) {
  CheckInvariant(platform::EnsureApplication(), "Qt's application object can be made");
  QImage page(120, 160, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter painter(&page);
  platform::QPainterCanvas canvas(painter, 100);
  canvas.StretchDIBits(10, 10, 40, 30, picture);
  canvas.StretchDIBits(-200, -300, 600, 900, picture);
  canvas.StretchDIBits(0, 0, 0, -5, picture);
}

}  // namespace tessel_fuzz
