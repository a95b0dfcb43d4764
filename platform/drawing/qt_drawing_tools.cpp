#include "platform/drawing/qt_drawing_tools.h"

#include <QString>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/drawing/system_colors.h"
#include "platform/text/win1252.h"

namespace platform {
namespace {

// Taller text is no use on any page and only costs time in the rasterizer.
constexpr int kMaxFontPixels = 20000;
// QPen refuses wider pens.
constexpr int32_t kMaxPenWidth = (1 << 15) - 1;

QVector<qreal> DashPattern(TPenStyle style, int32_t pixelsPerInch) {
  QVector<qreal> pattern;
  switch (style) {
    case TPenStyle::psDash: pattern = {18, 6}; break;
    case TPenStyle::psDot: pattern = {3, 3}; break;
    case TPenStyle::psDashDot: pattern = {9, 6, 3, 6}; break;
    case TPenStyle::psDashDotDot: pattern = {9, 3, 3, 3, 3, 3}; break;
    default: break;
  }
  const qreal scale = std::max(1.0, std::round(pixelsPerInch / 96.0));
  for (qreal& length : pattern) length *= scale;
  return pattern;
}

}  // namespace

int64_t MulDiv(int64_t a, int64_t b, int64_t c) {
  if (c == 0) return 0;
  const int64_t product = a * b;
  const int64_t half = std::llabs(c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
  return negative ? -magnitude : magnitude;
}

QColor ToQColor(TColor color) {
  color = ResolveColor(color);
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color) {
  return static_cast<TColor>(color.red()) | (static_cast<TColor>(color.green()) << 8) |
         (static_cast<TColor>(color.blue()) << 16);
}

bool IsThinPen(const TPen& pen) { return pen.Width <= 1; }

int PenWidth(const TPen& pen) { return std::clamp<int32_t>(pen.Width, 1, kMaxPenWidth); }

QPen ToQPen(const TPen& pen, int32_t pixelsPerInch) {
  if (pen.Style == TPenStyle::psClear) return QPen(Qt::NoPen);
  QPen result(ToQColor(pen.Color));
  if (IsThinPen(pen)) {
    // A thin line leaves out its last point, as LineTo does.
    result.setWidth(1);
    result.setCosmetic(true);
    result.setCapStyle(Qt::FlatCap);
    result.setJoinStyle(Qt::MiterJoin);
    const QVector<qreal> pattern = DashPattern(pen.Style, pixelsPerInch);
    if (!pattern.isEmpty()) result.setDashPattern(pattern);
  } else {
    // Wide pens are geometric, with round ends and joins, and never dashed.
    result.setWidth(PenWidth(pen));
    result.setCapStyle(Qt::RoundCap);
    result.setJoinStyle(Qt::RoundJoin);
  }
  return result;
}

QBrush ToQBrush(const TBrush& brush) {
  const QColor color = ToQColor(brush.Color);
  switch (brush.Style) {
    case TBrushStyle::bsSolid: return QBrush(color, Qt::SolidPattern);
    case TBrushStyle::bsClear: return QBrush(Qt::NoBrush);
    case TBrushStyle::bsHorizontal: return QBrush(color, Qt::HorPattern);
    case TBrushStyle::bsVertical: return QBrush(color, Qt::VerPattern);
    case TBrushStyle::bsFDiagonal: return QBrush(color, Qt::FDiagPattern);
    case TBrushStyle::bsBDiagonal: return QBrush(color, Qt::BDiagPattern);
    case TBrushStyle::bsCross: return QBrush(color, Qt::CrossPattern);
    case TBrushStyle::bsDiagCross: return QBrush(color, Qt::DiagCrossPattern);
  }
  return QBrush(Qt::NoBrush);
}

QFont ToQFont(const TFont& font, int32_t pixelsPerInch) {
  QFont result(QString::fromStdString(Win1252ToUtf8(font.Name)));
  const int64_t pixels = MulDiv(std::llabs(static_cast<int64_t>(font.Size)), pixelsPerInch, 72);
  result.setPixelSize(static_cast<int>(std::clamp<int64_t>(pixels, 1, kMaxFontPixels)));
  result.setBold((font.Style & fsBold) != 0);
  result.setItalic((font.Style & fsItalic) != 0);
  result.setUnderline((font.Style & fsUnderline) != 0);
  result.setStrikeOut((font.Style & fsStrikeOut) != 0);
  // The metric-compatible faces match the originals' advance widths only
  // without kerning, and TextOut never kerned.
  result.setKerning(false);
  return result;
}

}  // namespace platform
