#pragma once
// The layout object a QTextDocument needs for its fonts: it tells every
// paragraph which device (resolution) to measure on, and lays out nothing
// itself. Qt's own document layout keeps positions in 26.6 fixed point and
// stalls on documents some tens of thousands of lines long; paragraphs are
// laid out on demand by ParagraphLines instead.
#include <QAbstractTextDocumentLayout>

namespace platform {

class PassiveDocumentLayout : public QAbstractTextDocumentLayout {
 public:
  // Owned by the document (its Qt parent).
  PassiveDocumentLayout(QTextDocument& document, QPaintDevice& measuringDevice);

  void draw(QPainter* painter, const PaintContext& context) override;
  int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
  int pageCount() const override;
  QSizeF documentSize() const override;
  QRectF frameBoundingRect(QTextFrame* frame) const override;
  QRectF blockBoundingRect(const QTextBlock& block) const override;

 protected:
  void documentChanged(int from, int charsRemoved, int charsAdded) override;
};

}  // namespace platform
