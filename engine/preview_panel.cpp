#include "engine/preview_panel.h"

#include <QImage>
#include <QPainter>

namespace engine {

PreviewPanel::PreviewPanel(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {}

void PreviewPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), picture_);
}

}  // namespace engine
