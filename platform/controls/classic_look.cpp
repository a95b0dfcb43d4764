#include "platform/controls/classic_look.h"

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QWidget>

#include "platform/controls/control.h"
#include "platform/drawing/qt_drawing_tools.h"

namespace platform {
namespace {

// The widget style as it is, except for disabled text.
class ClassicLookStyle : public QProxyStyle {
 public:
  void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                    const QString& text, QPalette::ColorRole textRole) const override {
    if (enabled || text.isEmpty()) {
      QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
      return;
    }
    DrawDisabledText(*painter, rect, flags, text);
  }
};

// One style for all widgets, living as long as the application, which is
// never deleted either.
QStyle& SharedStyle() {
  static ClassicLookStyle* style = new ClassicLookStyle();
  return *style;
}

}  // namespace

void ApplyClassicLook(QWidget& widget) {
  widget.setStyle(&SharedStyle());
  // What the style draws itself rather than as item text (an edit's text)
  // takes the same grey.
  QPalette palette = widget.palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, ToQColor(clGrayText));
  widget.setPalette(palette);
}

void DrawDisabledText(QPainter& painter, const QRect& rect, int flags, const QString& text) {
  painter.save();
  // Smoothed edges would blur the one-pixel highlight into the grey.
  QFont font = painter.font();
  font.setStyleStrategy(QFont::NoAntialias);
  painter.setFont(font);
  painter.setPen(ToQColor(clBtnHighlight));
  painter.drawText(rect.translated(1, 1), flags, text);
  painter.setPen(ToQColor(clGrayText));
  painter.drawText(rect, flags, text);
  painter.restore();
}

}  // namespace platform
