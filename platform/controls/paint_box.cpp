#include "platform/controls/paint_box.h"

#include <QPainter>

#include "platform/controls/control_widget.h"
#include "platform/drawing/qpainter_canvas.h"

namespace platform {

TPaintBox::TPaintBox(TComponent* owner) : TControl(owner) {
  AttachWidget(new ControlWidget(*this));
  SetBounds(0, 0, 105, 105);
}

void TPaintBox::FloodFill(int, int, TColor, TFillStyle) {}

void TPaintBox::Repaint() {
  canvas_.Calls.clear();
  TControl::Repaint();
}

void TPaintBox::BoundsChanged() {
  if (Width() == drawnWidth_ && Height() == drawnHeight_) return;
  drawnWidth_ = Width();
  drawnHeight_ = Height();
  canvas_.Calls.clear();
}

void TPaintBox::Paint(QPainter& painter) {
  QPainterCanvas target(painter, 96);
  for (const CanvasCall& call : canvas_.Calls) {
    target.Pen = call.pen;
    target.Brush = call.brush;
    target.Font = call.font;
    switch (call.kind) {
      case CanvasCall::Kind::MoveTo: target.MoveTo(call.rect.Left, call.rect.Top); break;
      case CanvasCall::Kind::LineTo: target.LineTo(call.rect.Left, call.rect.Top); break;
      case CanvasCall::Kind::Rectangle:
        target.Rectangle(call.rect.Left, call.rect.Top, call.rect.Right, call.rect.Bottom);
        break;
      case CanvasCall::Kind::RoundRect:
        target.RoundRect(call.rect.Left, call.rect.Top, call.rect.Right, call.rect.Bottom, call.extra1, call.extra2);
        break;
      case CanvasCall::Kind::Ellipse:
        target.Ellipse(call.rect.Left, call.rect.Top, call.rect.Right, call.rect.Bottom);
        break;
      case CanvasCall::Kind::TextOut: target.TextOut(call.rect.Left, call.rect.Top, call.text); break;
      default: break;
    }
  }
}

}  // namespace platform
