#include "platform/richtext/paragraph_lines.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

// Qt measures tab stops in pixels of this resolution and scales them to the
// measuring device; it has no public declaration.
Q_GUI_EXPORT int qt_defaultDpiY();

namespace platform {
namespace {

// A line always gets some room, so that breaking ends even when indents
// leave none.
constexpr qreal kNarrowestLine = 1.0;

void BreakIntoLines(const QTextBlock& block, qreal width, QTextLayout& layout) {
  const QTextBlockFormat format = block.blockFormat();
  QTextOption option = block.document()->defaultTextOption();
  option.setAlignment(format.alignment() & Qt::AlignHorizontal_Mask);
  option.setTextDirection(Qt::LeftToRight);
  option.setTabStopDistance(qt_defaultDpiY() / 2.0);  // half-inch tabs, as the rich edit has
  layout.setTextOption(option);
  const qreal left = format.leftMargin();
  const qreal right = format.rightMargin();
  const qreal firstIndent = format.textIndent();
  layout.beginLayout();
  for (bool first = true;; first = false) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    const qreal x = left + (first ? firstIndent : 0);
    line.setLineWidth(std::max(width - x - right, kNarrowestLine));
    line.setPosition(QPointF(x, 0));
  }
  layout.endLayout();
}

}  // namespace

void ParagraphLines::Reset() {
  width_ = -1;
  done_.clear();
}

QTextLayout& ParagraphLines::At(const QTextBlock& block, qreal width) {
  if (width != width_) {
    width_ = width;
    done_.assign(static_cast<size_t>(block.document()->blockCount()), false);
  }
  QTextLayout& layout = *block.layout();
  const auto number = static_cast<size_t>(block.blockNumber());
  if (number >= done_.size()) done_.resize(number + 1, false);
  if (!done_[number]) {
    BreakIntoLines(block, width, layout);
    done_[number] = true;
  }
  return layout;
}

}  // namespace platform
