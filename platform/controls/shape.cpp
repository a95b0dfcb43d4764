#include "platform/controls/shape.h"

#include <QPainter>

#include <algorithm>

#include "platform/controls/control_widget.h"
#include "platform/drawing/qpainter_canvas.h"

namespace platform {

TShape::TShape(TComponent* owner) : TControl(owner) {
  AttachWidget(new ControlWidget(*this));
  SetBounds(0, 0, 65, 65);
}

void TShape::SetShape(TShapeType shape) {
  shape_ = shape;
  Invalidate();
}

void TShape::SetPen(const TPen& pen) {
  pen_ = pen;
  Invalidate();
}

void TShape::SetBrush(const TBrush& brush) {
  brush_ = brush;
  Invalidate();
}

void TShape::Paint(QPainter& painter) {
  QPainterCanvas canvas(painter, 96);
  canvas.Pen = pen_;
  canvas.Brush = brush_;
  // The figure lies inside the bounds with the pen's width, as the class
  // library draws it.
  const int x = pen_.Width / 2;
  const int y = x;
  int w = Width() - pen_.Width + 1;
  int h = Height() - pen_.Width + 1;
  if (pen_.Width == 0) {
    --w;
    --h;
  }
  const bool square = shape_ == TShapeType::stSquare || shape_ == TShapeType::stRoundSquare ||
                      shape_ == TShapeType::stCircle;
  const int s = std::min(w, h);
  int left = x, top = y;
  if (square) {
    left += (w - s) / 2;
    top += (h - s) / 2;
    w = h = s;
  }
  switch (shape_) {
    case TShapeType::stRectangle:
    case TShapeType::stSquare: canvas.Rectangle(left, top, left + w, top + h); break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare: canvas.RoundRect(left, top, left + w, top + h, s / 4, s / 4); break;
    case TShapeType::stEllipse:
    case TShapeType::stCircle: canvas.Ellipse(left, top, left + w, top + h); break;
  }
}

}  // namespace platform
