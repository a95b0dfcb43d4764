#include "engine/preview_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace engine {
namespace {

constexpr int kSize = 16;

void DrawSheet(QPainter& p, int x, int y) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawRect(x, y, 7, 9);
  p.drawLine(x + 2, y + 3, x + 5, y + 3);
  p.drawLine(x + 2, y + 5, x + 5, y + 5);
}

void DrawPrinter(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(0xC0, 0xC0, 0xC0));
  p.drawRect(1, 7, 13, 5);
  p.setBrush(Qt::white);
  p.drawRect(4, 2, 7, 5);
  p.drawRect(4, 12, 7, 3);
}

void DrawTriangle(QPainter& p, int tipX, bool pointsRight) {
  QPainterPath path;
  const int back = pointsRight ? tipX - 5 : tipX + 5;
  path.moveTo(tipX, 8);
  path.lineTo(back, 3);
  path.lineTo(back, 13);
  path.closeSubpath();
  p.fillPath(path, Qt::black);
}

void DrawMagnifier(QPainter& p, bool plus) {
  p.setPen(QPen(Qt::black, 1.5));
  p.setBrush(Qt::white);
  p.drawEllipse(1, 1, 10, 10);
  p.drawLine(10, 10, 14, 14);
  p.drawLine(3, 6, 9, 6);
  if (plus) p.drawLine(6, 3, 6, 9);
}

}  // namespace

QIcon MakePreviewGlyph(PreviewGlyph glyph) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (glyph) {
    case PreviewGlyph::PrintPage:
      DrawPrinter(p);
      break;
    case PreviewGlyph::PrintAll:
      DrawPrinter(p);
      DrawSheet(p, 8, 0);
      break;
    case PreviewGlyph::First:
      p.fillRect(3, 3, 2, 10, Qt::black);
      DrawTriangle(p, 6, false);
      break;
    case PreviewGlyph::Previous:
      DrawTriangle(p, 5, false);
      break;
    case PreviewGlyph::Next:
      DrawTriangle(p, 11, true);
      break;
    case PreviewGlyph::Last:
      DrawTriangle(p, 10, true);
      p.fillRect(11, 3, 2, 10, Qt::black);
      break;
    case PreviewGlyph::ZoomIn:
      DrawMagnifier(p, true);
      break;
    case PreviewGlyph::ZoomOut:
      DrawMagnifier(p, false);
      break;
    case PreviewGlyph::Window:
      DrawSheet(p, 2, 1);
      DrawSheet(p, 6, 5);
      break;
  }
  return QIcon(pixmap);
}

}  // namespace engine
