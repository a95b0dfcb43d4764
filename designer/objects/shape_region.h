#pragma once
// TShapeRegion: a rectangle, rounded rectangle, ellipse, or a vertical or
// horizontal line, drawn by its own shape figure. Each setter stores its
// property and shows it at once; a line's colour is its pen.
#include "designer/objects/regions.h"
#include "platform/controls/shape.h"

namespace designer {

enum TShapeKind : int32_t { kRectangle = 0, kRoundRectangle = 1, kEllipse = 2, kVerticalLine = 3, kHorizontalLine = 4 };

class TShapeRegion : public TRegion {
 public:
  explicit TShapeRegion(platform::TComponent* owner);

  int32_t Shape = 0;
  int32_t FillPattern = 0;
  int32_t BorderThickness = 0;
  int32_t BorderPattern = 0;
  int32_t FillColor = 0;
  int32_t BorderColor = 0;
  platform::TShape* FShapeControl = nullptr;

  void SetShape(int32_t kind);
  void SetFillColor(int32_t color);
  void SetBorderThickness(int32_t width);
  void SetFillPattern(int32_t pattern);
  void SetBorderPattern(int32_t pattern);
  void SetBorderColor(int32_t color);

  bool IsLine() const { return Shape == kVerticalLine || Shape == kHorizontalLine; }
};

}  // namespace designer
