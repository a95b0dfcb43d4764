#include "platform/richtext/rich_text_render.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <vector>

#include "platform/richtext/rich_text_document.h"
#include "platform/richtext/rich_text_document_impl.h"

namespace platform {
namespace {

// How far a line may overrun the rectangle and still count as fitting:
// rounding, not content (layout units).
constexpr qreal kFitTolerance = 1e-6;
// 700 inches: far beyond any paper, and well inside the range of Qt's fixed
// point text positions.
constexpr qreal kWidestText = 700.0 * kLayoutUnitsPerInch;

struct PlacedLine {
  QTextLayout* layout;
  int index;
  qreal top;  // layout units below the rectangle's top
};

struct PageOfLines {
  std::vector<PlacedLine> lines;
  int32_t next = 0;  // the first character left for the next call
};

// The lines from the one holding firstChar on, as many as fit whole into
// `height`.
PageOfLines FitLines(RichTextDocument::Impl& impl, qreal width, qreal height, int32_t firstChar,
                     int32_t count) {
  PageOfLines page;
  page.next = count;
  QTextBlock block = impl.document.findBlock(firstChar);
  if (!block.isValid()) return page;
  int lineIndex = 0;
  {
    const QTextLine first =
        impl.lines.At(block, width).lineForTextPosition(firstChar - block.position());
    if (first.isValid()) lineIndex = first.lineNumber();
  }
  qreal used = 0;
  for (; block.isValid(); block = block.next(), lineIndex = 0) {
    QTextLayout& layout = impl.lines.At(block, width);
    for (int i = lineIndex; i < layout.lineCount(); ++i) {
      const QTextLine line = layout.lineAt(i);
      const int32_t start = block.position() + line.textStart();
      if (start >= count) return page;  // only the closing empty paragraph is left
      if (used + line.height() > height + kFitTolerance) {
        page.next = start;
        return page;
      }
      page.lines.push_back({&layout, i, used});
      used += line.height();
    }
  }
  return page;
}

}  // namespace

int32_t RenderRichText(QPainter& painter, const RichTextDocument& document, const TRect& rect,
                       int32_t resolutionX, int32_t resolutionY, int32_t firstChar) {
  const int32_t count = document.CharacterCount();
  if (firstChar < 0) firstChar = 0;
  if (firstChar >= count) return count;
  const int64_t width = int64_t{rect.Right} - rect.Left;
  const int64_t height = int64_t{rect.Bottom} - rect.Top;
  if (width <= 0 || height <= 0 || resolutionX <= 0 || resolutionY <= 0) return firstChar;

  const qreal layoutWidth =
      std::min(static_cast<qreal>(width) * kLayoutUnitsPerInch / resolutionX, kWidestText);
  const qreal layoutHeight = static_cast<qreal>(height) * kLayoutUnitsPerInch / resolutionY;
  const PageOfLines page = FitLines(document.impl(), layoutWidth, layoutHeight, firstChar, count);
  if (page.lines.empty()) return firstChar;

  painter.save();
  const QRectF clip(rect.Left, rect.Top, static_cast<qreal>(width), static_cast<qreal>(height));
  painter.setClipRect(clip, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
  painter.translate(rect.Left, rect.Top);
  painter.scale(static_cast<qreal>(resolutionX) / kLayoutUnitsPerInch,
                static_cast<qreal>(resolutionY) / kLayoutUnitsPerInch);
  painter.setPen(Qt::black);  // the automatic text colour
  painter.setBrush(Qt::NoBrush);
  for (const PlacedLine& placed : page.lines) {
    placed.layout->lineAt(placed.index).draw(&painter, QPointF(0, placed.top));
  }
  painter.restore();
  return page.next;
}

}  // namespace platform
