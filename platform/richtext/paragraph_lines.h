#pragma once
// Breaks the paragraphs of a document into lines at one text width, on
// demand, and remembers which paragraphs are already broken at that width so
// that printing page after page lays every paragraph out once. Line tops are
// not stored in the lines: callers stack line heights in double precision,
// which keeps any length of document exact.
#include <QtGlobal>
#include <vector>

class QTextBlock;
class QTextLayout;

namespace platform {

class ParagraphLines {
 public:
  // Forgets every layout; call whenever the document's content changes.
  void Reset();
  // The block's lines at this width (layout units), each line's x set to its
  // indent and its y left at 0.
  QTextLayout& At(const QTextBlock& block, qreal width);

 private:
  qreal width_ = -1;
  std::vector<bool> done_;  // by block number
};

}  // namespace platform
