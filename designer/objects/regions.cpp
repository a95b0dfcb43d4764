#include "designer/objects/regions.h"

#include <algorithm>

namespace designer {

using platform::TColor;

TRegion::TRegion(platform::TComponent* owner) : TRegion(owner, true) {}

TRegion::TRegion(platform::TComponent* owner, bool withPaintBox) : platform::TPanel(owner) {
  if (!withPaintBox) return;
  FPaintBox = new platform::TPaintBox(owner);
  FPaintBox->SetParent(this);
  FPaintBox->SetAlign(platform::TAlign::alClient);
  FPaintBox->SetEnabled(false);
  SetShowHint(true);
}

void TRegion::ClearCanvas() {
  if (!FPaintBox) return;
  platform::RecordingCanvas& canvas = FPaintBox->Canvas();
  canvas.Brush = platform::TBrush{platform::clSilver, platform::TBrushStyle::bsSolid};
  FPaintBox->FloodFill(0, 0, platform::clSilver, platform::TFillStyle::fsSurface);
  FPaintBox->Repaint();
}

void TRegion::DrawBorder() {
  if (!FPaintBox) return;
  ClearCanvas();
  platform::TPen& pen = FPaintBox->Canvas().Pen;
  pen.Width = FBorder.Width;
  pen.Color = static_cast<TColor>(FBorder.Color);
  pen.Style = static_cast<platform::TPenStyle>(std::clamp(FBorder.LineStyle, 0, 6));
  if (FBorder.Sides & kSideBottom) DrawBottomSide();
  if (FBorder.Sides & kSideTop) DrawTopSide();
  if (FBorder.Sides & kSideRight) DrawRightSide();
  if (FBorder.Sides & kSideLeft) DrawLeftSide();
}

void TRegion::DrawBottomSide() {
  const int w = FPaintBox->Width(), h = FPaintBox->Height();
  FPaintBox->Canvas().MoveTo(5, h - 5);
  FPaintBox->Canvas().LineTo(w - 5, h - 5);
}

void TRegion::DrawTopSide() {
  const int w = FPaintBox->Width();
  FPaintBox->Canvas().MoveTo(5, 5);
  FPaintBox->Canvas().LineTo(w - 5, 5);
}

void TRegion::DrawRightSide() {
  const int w = FPaintBox->Width(), h = FPaintBox->Height();
  FPaintBox->Canvas().MoveTo(w - 5, h - 5);
  FPaintBox->Canvas().LineTo(w - 5, 5);
}

void TRegion::DrawLeftSide() {
  const int h = FPaintBox->Height();
  FPaintBox->Canvas().MoveTo(5, 5);
  FPaintBox->Canvas().LineTo(5, h - 5);
}

}  // namespace designer
