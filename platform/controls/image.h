#pragma once
// TImage: a non-windowed picture, stretched over its bounds or shown at its
// natural size; a self-sizing image takes the picture's size.
#include "platform/controls/control.h"
#include "platform/drawing/picture.h"

namespace platform {

class TImage : public TControl {
 public:
  explicit TImage(TComponent* owner);

  const Picture& GetPicture() const { return picture_; }
  void SetPicture(Picture picture);
  void ClearPicture();
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

  void Paint(QPainter& painter) override;

 private:
  void AdjustSize();
  Picture picture_;
  bool stretch_ = false;
  bool autoSize_ = false;
};

}  // namespace platform
