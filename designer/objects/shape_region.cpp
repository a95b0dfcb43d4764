#include "designer/objects/shape_region.h"

#include <algorithm>

namespace designer {

using platform::TAlign;
using platform::TBevelCut;

namespace {

// Stored values outside the lists draw with the first entry.
platform::TPenStyle PenStyleOf(int32_t index) {
  return static_cast<platform::TPenStyle>(index >= 0 && index <= 6 ? index : 0);
}

platform::TBrushStyle BrushStyleOf(int32_t index) {
  return static_cast<platform::TBrushStyle>(index >= 0 && index <= 7 ? index : 0);
}

}  // namespace

TShapeRegion::TShapeRegion(platform::TComponent* owner) : TRegion(owner) {
  FShapeControl = new platform::TShape(owner);
  FShapeControl->SetParent(this);
  FShapeControl->SetAlign(TAlign::alClient);
  SetShape(kRectangle);
  SetFillColor(0xFFFFFF);
  SetBorderThickness(1);
  SetFillPattern(0);
  SetBorderPattern(0);
  SetBorderColor(0);
  FShapeControl->SetEnabled(false);
}

void TShapeRegion::SetShape(int32_t kind) {
  Shape = kind;
  switch (kind) {
    case kRectangle:
    case kRoundRectangle:
    case kEllipse:
      FShapeControl->SetShape(kind == kRectangle        ? platform::TShapeType::stRectangle
                              : kind == kRoundRectangle ? platform::TShapeType::stRoundRect
                                                        : platform::TShapeType::stEllipse);
      FShapeControl->SetAlign(TAlign::alClient);
      SetHeight(std::max(Height(), 20));
      SetWidth(std::max(Width(), 20));
      SetBevelOuter(TBevelCut::bvNone);
      break;
    case kVerticalLine:
      FShapeControl->SetShape(platform::TShapeType::stRectangle);
      FShapeControl->SetAlign(TAlign::alLeft);
      FShapeControl->SetWidth(1);
      SetBevelOuter(TBevelCut::bvLowered);
      SetHeight(std::max(Height(), 20));
      SetWidth(15);
      break;
    case kHorizontalLine:
      FShapeControl->SetShape(platform::TShapeType::stRectangle);
      FShapeControl->SetAlign(TAlign::alTop);
      FShapeControl->SetHeight(1);
      SetWidth(std::max(Width(), 20));
      SetHeight(15);
      SetBevelOuter(TBevelCut::bvLowered);
      break;
    default:
      break;
  }
}

void TShapeRegion::SetFillColor(int32_t color) {
  if (Shape >= kRectangle && Shape <= kEllipse) {
    FillColor = color;
    platform::TBrush brush = FShapeControl->Brush();
    brush.Color = static_cast<platform::TColor>(color);
    FShapeControl->SetBrush(brush);
  } else if (IsLine()) {
    BorderColor = color;
    platform::TPen pen = FShapeControl->Pen();
    pen.Color = static_cast<platform::TColor>(color);
    FShapeControl->SetPen(pen);
  }
}

void TShapeRegion::SetBorderThickness(int32_t width) {
  BorderThickness = width;
  platform::TPen pen = FShapeControl->Pen();
  pen.Width = width;
  FShapeControl->SetPen(pen);
  if (Shape == kVerticalLine) FShapeControl->SetWidth(width);
  if (Shape == kHorizontalLine) FShapeControl->SetHeight(width);
}

void TShapeRegion::SetFillPattern(int32_t pattern) {
  FillPattern = pattern;
  platform::TBrush brush = FShapeControl->Brush();
  brush.Style = BrushStyleOf(pattern);
  FShapeControl->SetBrush(brush);
}

void TShapeRegion::SetBorderPattern(int32_t pattern) {
  BorderPattern = pattern;
  platform::TPen pen = FShapeControl->Pen();
  pen.Style = PenStyleOf(pattern);
  FShapeControl->SetPen(pen);
}

void TShapeRegion::SetBorderColor(int32_t color) {
  BorderColor = color;
  platform::TPen pen = FShapeControl->Pen();
  pen.Color = static_cast<platform::TColor>(color);
  FShapeControl->SetPen(pen);
}

}  // namespace designer
