#include "platform/controls/image.h"

#include <QPainter>

#include "platform/controls/control_widget.h"
#include "platform/drawing/qpainter_canvas.h"

namespace platform {

TImage::TImage(TComponent* owner) : TControl(owner) {
  AttachWidget(new ControlWidget(*this));
  SetBounds(0, 0, 105, 105);
}

void TImage::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  AdjustSize();
  Invalidate();
}

void TImage::ClearPicture() { SetPicture(Picture()); }

void TImage::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}

void TImage::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustSize();
}

void TImage::AdjustSize() {
  if (autoSize_ && !picture_.Empty() && Align() == TAlign::alNone)
    SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

void TImage::Paint(QPainter& painter) {
  if (picture_.Empty()) return;
  QPainterCanvas canvas(painter, 96);
  if (stretch_) {
    canvas.StretchDIBits(0, 0, Width(), Height(), picture_);
  } else {
    canvas.StretchDIBits(0, 0, picture_.Width(), picture_.Height(), picture_);
  }
}

}  // namespace platform
