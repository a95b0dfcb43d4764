#include "platform/drawing/qpainter_canvas.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineF>
#include <QPaintEngine>
#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <cstdlib>

#include "platform/drawing/picture_impl.h"
#include "platform/drawing/qt_drawing_tools.h"
#include "platform/richtext/rich_text_render.h"
#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace platform {
namespace {

enum class Figure { Rectangle, RoundRect, Ellipse };

void SetPenMode(QPainter& painter, TPenMode mode) {
  const bool rasterOps = painter.paintEngine() != nullptr &&
                         painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
  painter.setCompositionMode(mode == TPenMode::pmNotXor && rasterOps
                                 ? QPainter::RasterOp_NotSourceXorDestination
                                 : QPainter::CompositionMode_SourceOver);
}

bool IsDashed(const TPen& pen) {
  switch (pen.Style) {
    case TPenStyle::psDash:
    case TPenStyle::psDot:
    case TPenStyle::psDashDot:
    case TPenStyle::psDashDotDot: return IsThinPen(pen);
    default: return false;
  }
}

// Under a solid brush the gaps of a dashed line show the brush colour (the
// background mode is opaque then); under any other brush they stay clear.
QPen GapPen(const TCanvas& canvas) {
  if (!IsDashed(canvas.Pen) || canvas.Brush.Style != TBrushStyle::bsSolid) return QPen(Qt::NoPen);
  TPen solid = canvas.Pen;
  solid.Color = canvas.Brush.Color;
  solid.Style = TPenStyle::psSolid;
  return ToQPen(solid, 96);
}

// The path whose outline the pen follows. Thin pens trace the outermost
// pixels of the box, leaving the right and bottom edges out (Qt puts an
// aliased thin line on the pixel right of and below its coordinates);
// without a pen the fill shrinks by that edge too. Wide pens are centred on
// the pixels a thin pen would cover, except inside-frame ones, which keep
// their whole width inside the box.
QRectF OutlinePath(const TPen& pen, double left, double top, double width, double height) {
  if (IsThinPen(pen) || pen.Style == TPenStyle::psClear) {
    return QRectF(left, top, width - 1, height - 1);
  }
  if (pen.Style == TPenStyle::psInsideFrame) {
    const double penWidth = PenWidth(pen);
    return QRectF(left + penWidth / 2, top + penWidth / 2, std::max(width - penWidth, 0.0),
                  std::max(height - penWidth, 0.0));
  }
  return QRectF(left + 0.5, top + 0.5, width - 1, height - 1);
}

void DrawFigureShape(QPainter& painter, Figure figure, const QRectF& path, double radiusX,
                     double radiusY) {
  switch (figure) {
    case Figure::Rectangle: painter.drawRect(path); break;
    case Figure::Ellipse: painter.drawEllipse(path); break;
    case Figure::RoundRect:
      if (radiusX > 0 && radiusY > 0) {
        painter.drawRoundedRect(path, radiusX, radiusY, Qt::AbsoluteSize);
      } else {
        painter.drawRect(path);
      }
      break;
  }
}

void DrawFigure(QPainter& painter, const TCanvas& canvas, int32_t dpiY, Figure figure,
                int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t cornerWidth,
                int32_t cornerHeight) {
  const double left = std::min(x1, x2), top = std::min(y1, y2);
  const double width = static_cast<double>(std::max(x1, x2)) - left;
  const double height = static_cast<double>(std::max(y1, y2)) - top;
  if (width <= 0 || height <= 0) return;
  const QRectF path = OutlinePath(canvas.Pen, left, top, width, height);
  const double radiusX = std::min<double>(std::abs(static_cast<double>(cornerWidth)), width) / 2;
  const double radiusY = std::min<double>(std::abs(static_cast<double>(cornerHeight)), height) / 2;

  SetPenMode(painter, canvas.Pen.Mode);
  if (canvas.Pen.Style == TPenStyle::psInsideFrame && !IsThinPen(canvas.Pen) &&
      2.0 * PenWidth(canvas.Pen) >= std::min(width, height)) {
    // A frame as deep as half the box covers all of it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(canvas.Pen.Color));
    DrawFigureShape(painter, figure, QRectF(left, top, width, height), radiusX, radiusY);
    return;
  }
  const QPen gapPen = GapPen(canvas);
  if (gapPen.style() != Qt::NoPen) {
    painter.setPen(gapPen);
    painter.setBrush(Qt::NoBrush);
    DrawFigureShape(painter, figure, path, radiusX, radiusY);
  }
  painter.setPen(ToQPen(canvas.Pen, dpiY));
  painter.setBrush(ToQBrush(canvas.Brush));
  DrawFigureShape(painter, figure, path, radiusX, radiusY);
}

// Qt draws a thin line in the direction of growing coordinates along its
// main axis and leaves out the far end; LineTo leaves out the end point
// whichever way the line runs. A line running backwards is moved one pixel
// along its main axis so that the same pixels are left out.
QLineF ThinLine(const TPoint& from, const TPoint& to) {
  QLineF line(from.X, from.Y, to.X, to.Y);
  const double dx = line.dx(), dy = line.dy();
  if (std::abs(dx) >= std::abs(dy)) {
    if (dx < 0) line.translate(1, 0);
  } else if (dy < 0) {
    line.translate(0, 1);
  }
  return line;
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter, int32_t logicalDpiY)
    : painter_(painter), dpiY_(logicalDpiY > 0 ? logicalDpiY : 96) {
  fontsUsable_ = EnsureApplication() ||
                 qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

QPainterCanvas::~QPainterCanvas() = default;

struct QPainterCanvas::FontCache {
  TFont source;
  QPaintDevice* device;
  QFont font;
  QFontMetrics metrics;
};

void QPainterCanvas::TextOut(int32_t x, int32_t y, const std::string& ansiText) {
  if (!fontsUsable_ || ansiText.empty()) return;
  if (!fontCache_ || !(fontCache_->source == Font) || fontCache_->device != painter_.device()) {
    QFont made = ToQFont(Font, dpiY_);
    QFontMetrics measured(made, painter_.device());
    fontCache_.reset(new FontCache{Font, painter_.device(), std::move(made), std::move(measured)});
  }
  const QFont& font = fontCache_->font;
  const QFontMetrics& metrics = fontCache_->metrics;
  const QString text = QString::fromStdString(Win1252ToUtf8(ansiText));
  SetPenMode(painter_, TPenMode::pmCopy);
  if (Brush.Style == TBrushStyle::bsSolid) {
    painter_.fillRect(QRectF(x, y, metrics.horizontalAdvance(text), metrics.height()),
                      ToQColor(Brush.Color));
  }
  painter_.setFont(font);
  painter_.setPen(QPen(ToQColor(Font.Color)));
  painter_.drawText(QPointF(x, static_cast<double>(y) + metrics.ascent()), text);
}

void QPainterCanvas::MoveTo(int32_t x, int32_t y) { penPos_ = TPoint{x, y}; }

void QPainterCanvas::LineTo(int32_t x, int32_t y) {
  const TPoint from = penPos_;
  penPos_ = TPoint{x, y};
  if (Pen.Style == TPenStyle::psClear || from == penPos_) return;
  SetPenMode(painter_, Pen.Mode);
  if (IsThinPen(Pen)) {
    const QLineF line = ThinLine(from, penPos_);
    const QPen gapPen = GapPen(*this);
    if (gapPen.style() != Qt::NoPen) {
      painter_.setPen(gapPen);
      painter_.drawLine(line);
    }
    painter_.setPen(ToQPen(Pen, dpiY_));
    painter_.drawLine(line);
  } else {
    // A wide line is centred on the pixels a thin one would cover.
    painter_.setPen(ToQPen(Pen, dpiY_));
    painter_.drawLine(QLineF(from.X + 0.5, from.Y + 0.5, x + 0.5, y + 0.5));
  }
}

void QPainterCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  DrawFigure(painter_, *this, dpiY_, Figure::Rectangle, left, top, right, bottom, 0, 0);
}

void QPainterCanvas::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                               int32_t cornerWidth, int32_t cornerHeight) {
  DrawFigure(painter_, *this, dpiY_, Figure::RoundRect, left, top, right, bottom, cornerWidth,
             cornerHeight);
}

void QPainterCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  DrawFigure(painter_, *this, dpiY_, Figure::Ellipse, left, top, right, bottom, 0, 0);
}

void QPainterCanvas::StretchDIBits(int32_t x, int32_t y, int32_t width, int32_t height,
                                   const Picture& picture) {
  if (width <= 0 || height <= 0 || picture.Empty()) return;
  SetPenMode(painter_, TPenMode::pmCopy);
  // Qt's PDF writer compresses pictures as JPEG unless told otherwise, which
  // smears line art, dithering and text in screenshots. The same QImage
  // drawn again is embedded only once, so callers keep one per file.
  painter_.setRenderHint(QPainter::LosslessImageRendering, !picture.impl().fromJpeg);
  painter_.drawImage(QRectF(x, y, width, height), picture.impl().image);
}

int32_t QPainterCanvas::FormatRichText(const RichTextDocument& document, const TRect& rect,
                                       int32_t resolutionX, int32_t resolutionY,
                                       int32_t firstChar) {
  SetPenMode(painter_, TPenMode::pmCopy);
  painter_.save();
  const int32_t next = RenderRichText(painter_, document, rect, resolutionX, resolutionY, firstChar);
  painter_.restore();
  return next;
}

}  // namespace platform
