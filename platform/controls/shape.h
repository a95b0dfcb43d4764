#pragma once
// TShape: a non-windowed figure drawn with a pen and a brush to fill its
// bounds: rectangle, rounded rectangle or ellipse.
#include "platform/controls/control.h"

namespace platform {

enum class TShapeType : uint8_t { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TControl {
 public:
  explicit TShape(TComponent* owner);

  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType shape);
  const TPen& Pen() const { return pen_; }
  void SetPen(const TPen& pen);
  const TBrush& Brush() const { return brush_; }
  void SetBrush(const TBrush& brush);

  void Paint(QPainter& painter) override;

 private:
  TShapeType shape_ = TShapeType::stRectangle;
  TPen pen_;
  TBrush brush_;
};

}  // namespace platform
