#include "engine/figure_drawing.h"

#include <algorithm>

namespace engine {
namespace {

using platform::TCanvas;
using platform::TRect;

void Line(TCanvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

enum ShapeKind : uint8_t { kRectangle = 0, kRoundRect = 1, kEllipse = 2, kLeftEdge = 3, kTopEdge = 4 };

}  // namespace

platform::TPenStyle PenStyleOf(uint8_t code) {
  if (code > static_cast<uint8_t>(platform::TPenStyle::psInsideFrame)) return platform::TPenStyle::psSolid;
  return static_cast<platform::TPenStyle>(code);
}

platform::TBrushStyle BrushStyleOf(uint8_t code) {
  if (code > static_cast<uint8_t>(platform::TBrushStyle::bsDiagCross)) return platform::TBrushStyle::bsSolid;
  return static_cast<platform::TBrushStyle>(code);
}

void DrawBorder(TCanvas& canvas, const TRect& rect, uint8_t sides, int32_t penWidth,
                platform::TColor penColor, uint8_t penStyle) {
  if ((sides & (kSideLeft | kSideRight | kSideTop | kSideBottom)) == 0) return;
  canvas.Pen.Width = penWidth;
  canvas.Pen.Style = PenStyleOf(penStyle);
  canvas.Pen.Color = penColor;
  if (sides & kSideTop) Line(canvas, rect.Left, rect.Top, rect.Right, rect.Top);
  if (sides & kSideLeft) Line(canvas, rect.Left, rect.Top, rect.Left, rect.Bottom);
  if (sides & kSideRight) Line(canvas, rect.Right, rect.Top, rect.Right, rect.Bottom);
  if (sides & kSideBottom) Line(canvas, rect.Left, rect.Bottom, rect.Right, rect.Bottom);
}

void DrawShape(TCanvas& canvas, const rcShapeRegion& shape, const TRect& rect) {
  // 64 bits: a rectangle spanning the whole 32-bit range must not overflow.
  const int64_t width = static_cast<int64_t>(rect.Right) - rect.Left;
  const int64_t height = static_cast<int64_t>(rect.Bottom) - rect.Top;
  const auto corner = static_cast<int32_t>(std::clamp<int64_t>(std::max(width / 8, height / 8), 0, INT32_MAX));

  canvas.Pen.Width = shape.BorderThickness;
  canvas.Pen.Color = static_cast<platform::TColor>(shape.BorderColor);
  canvas.Pen.Style = PenStyleOf(shape.BorderPattern);
  canvas.Brush.Style = BrushStyleOf(shape.FillPattern);
  canvas.Brush.Color = static_cast<platform::TColor>(shape.FillColor);

  switch (shape.Shape) {
    case kRectangle:
      canvas.Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
      break;
    case kRoundRect:
      canvas.RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, corner, corner);
      break;
    case kEllipse:
      canvas.Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom);
      break;
    case kLeftEdge:
      Line(canvas, rect.Left, rect.Top, rect.Left, rect.Bottom);
      break;
    case kTopEdge:
      Line(canvas, rect.Left, rect.Top, rect.Right, rect.Top);
      break;
    default:
      break;
  }
}

}  // namespace engine
