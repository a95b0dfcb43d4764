#pragma once
// The preview's image control: shows the page bitmap stretched to its own
// size, as the zoom sets it.
#include <QWidget>

class QImage;

namespace engine {

class PreviewPanel : public QWidget {
 public:
  PreviewPanel(const QImage& picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage& picture_;
};

}  // namespace engine
