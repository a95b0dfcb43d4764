#include "engine/capture_component.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include "platform/capture/screen_capture.h"
#include "platform/drawing/picture_canvas.h"

namespace engine {
namespace {

platform::TPoint PointOf(const QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  return {at.x(), at.y()};
}

}  // namespace

TCapture::TCapture(QWidget* owner) : QWidget(owner) {}

TCapture::~TCapture() = default;

std::string TCapture::Capture(platform::PictureResult captured) {
  canvas_.reset();
  if (auto* failed = std::get_if<platform::PictureError>(&captured)) return failed->reason;
  picture_ = std::move(std::get<platform::Picture>(captured));
  captureRect_ = {0, 0, picture_.Width(), picture_.Height()};
  resize(picture_.Width(), picture_.Height());
  return {};
}

std::string TCapture::CaptureScreen() {
  QWidget* parent = parentWidget();
  const bool hideParent = HideMyself && parent && parent->isVisible();
  if (hideParent) parent->hide();
  std::string failure = Capture(platform::CaptureScreen());
  if (hideParent) parent->show();
  return failure;
}

std::string TCapture::CaptureWindow(uint32_t windowHandle) {
  QWidget* parent = parentWidget();
  const bool hideParent = HideMyself && parent && parent->isVisible();
  if (hideParent) parent->hide();
  std::string failure = Capture(platform::CaptureWindow(windowHandle));
  if (hideParent) parent->show();
  return failure;
}

void TCapture::Loaded() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) resize(screen->size());
}

platform::PictureCanvas& TCapture::PictureCanvas() {
  if (!canvas_) canvas_ = std::make_unique<platform::PictureCanvas>(picture_);
  return *canvas_;
}

void TCapture::DrawSelectionRect(const platform::TPoint& from, const platform::TPoint& to) {
  platform::PictureCanvas& canvas = PictureCanvas();
  canvas.Pen.Mode = platform::TPenMode::pmNotXor;
  canvas.Rectangle(from.X, from.Y, to.X, to.Y);
}

void TCapture::MouseDown(const platform::TPoint& at) {
  dragging_ = true;
  selectionStart_ = at;
  selectionEnd_ = at;
  platform::PictureCanvas& canvas = PictureCanvas();
  canvas.Pen.Color = 0x000000;
  canvas.Pen.Width = 1;
  canvas.Pen.Style = platform::TPenStyle::psDashDotDot;
  canvas.Brush.Style = platform::TBrushStyle::bsClear;
  DrawSelectionRect(selectionStart_, selectionEnd_);
  update();
}

void TCapture::MouseMove(const platform::TPoint& at) {
  if (!dragging_) return;
  DrawSelectionRect(selectionStart_, selectionEnd_);  // NotXor twice erases it
  DrawSelectionRect(selectionStart_, at);
  selectionEnd_ = at;
  PictureCanvas().Pen.Mode = platform::TPenMode::pmCopy;
  update();
}

void TCapture::MouseUp(const platform::TPoint& at) {
  if (!dragging_) return;
  dragging_ = false;
  DrawSelectionRect(selectionStart_, at);
  selectionEnd_ = at;
  update();
}

void TCapture::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  MouseDown(PointOf(event));
}

void TCapture::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
  MouseMove(PointOf(event));
}

void TCapture::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  MouseUp(PointOf(event));
}

}  // namespace engine
