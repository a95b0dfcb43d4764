#include "platform/controls/panel.h"

#include <QPainter>

#include "platform/controls/control_widget.h"
#include "platform/drawing/qt_drawing_tools.h"
#include "platform/text/win1252.h"

namespace platform {

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  AttachWidget(new ControlWidget(*this));
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetCaption(const std::string& caption) {
  caption_ = caption;
  Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
  bevelOuter_ = bevel;
  AlignControls();
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut bevel) {
  bevelInner_ = bevel;
  AlignControls();
  Invalidate();
}

TRect TPanel::AlignRect() const {
  TRect area = TWinControl::AlignRect();
  const int inset = (bevelOuter_ != TBevelCut::bvNone ? 1 : 0) + (bevelInner_ != TBevelCut::bvNone ? 1 : 0);
  area.Left += inset;
  area.Top += inset;
  area.Right -= inset;
  area.Bottom -= inset;
  return area;
}

void DrawBevel(QPainter& painter, TRect& rect, TBevelCut cut) {
  if (cut == TBevelCut::bvNone || rect.Right - rect.Left < 2 || rect.Bottom - rect.Top < 2) return;
  const QColor light = ToQColor(clWhite);
  const QColor dark = ToQColor(clGray);
  const QColor topLeft = cut == TBevelCut::bvRaised ? light : dark;
  const QColor bottomRight = cut == TBevelCut::bvRaised ? dark : light;
  const int l = rect.Left, t = rect.Top, r = rect.Right - 1, b = rect.Bottom - 1;
  painter.setPen(topLeft);
  painter.drawLine(l, t, r, t);
  painter.drawLine(l, t, l, b);
  painter.setPen(bottomRight);
  painter.drawLine(l, b, r, b);
  painter.drawLine(r, t, r, b);
  rect = TRect{l + 1, t + 1, r, b};
}

void TPanel::Paint(QPainter& painter) {
  painter.fillRect(0, 0, Width(), Height(), ToQColor(Color()));
  TRect rect{0, 0, Width(), Height()};
  DrawBevel(painter, rect, bevelOuter_);
  DrawBevel(painter, rect, bevelInner_);
  if (!caption_.empty()) {
    painter.setFont(ToQFont(Font(), 96));
    painter.setPen(ToQColor(Font().Color));
    painter.drawText(QRect(0, 0, Width(), Height()), Qt::AlignCenter,
                     QString::fromStdString(Win1252ToUtf8(caption_)));
  }
}

}  // namespace platform
