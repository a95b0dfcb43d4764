#include "platform/richtext/passive_document_layout.h"

#include <QTextDocument>

namespace platform {

PassiveDocumentLayout::PassiveDocumentLayout(QTextDocument& document,
                                             QPaintDevice& measuringDevice)
    : QAbstractTextDocumentLayout(&document) {
  setPaintDevice(&measuringDevice);
}

void PassiveDocumentLayout::draw(QPainter*, const PaintContext&) {}

int PassiveDocumentLayout::hitTest(const QPointF&, Qt::HitTestAccuracy) const { return -1; }

int PassiveDocumentLayout::pageCount() const { return 1; }

QSizeF PassiveDocumentLayout::documentSize() const { return {}; }

QRectF PassiveDocumentLayout::frameBoundingRect(QTextFrame*) const { return {}; }

QRectF PassiveDocumentLayout::blockBoundingRect(const QTextBlock&) const { return {}; }

void PassiveDocumentLayout::documentChanged(int, int, int) {}

}  // namespace platform
