#pragma once
// TCapture: an image control that takes a copy of the whole screen or of one
// window into its picture, and shows a rubber-band rectangle while the user
// drags over it.
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/drawing/geometry.h"
#include "platform/drawing/picture.h"

namespace platform {
class PictureCanvas;
}

namespace engine {

class TCapture : public QWidget {
 public:
  explicit TCapture(QWidget* owner);
  ~TCapture() override;

  // Hide the application and the parent while capturing.
  bool HideMyself = true;

  // Empty text on success, else the reason the capture failed.
  std::string CaptureScreen();
  std::string CaptureWindow(uint32_t windowHandle);

  // After the form description is read: the screen's size, unless designing.
  void Loaded();

  const platform::Picture& Picture() const { return picture_; }
  const platform::TRect& CaptureRect() const { return captureRect_; }
  bool Dragging() const { return dragging_; }
  const platform::TPoint& SelectionStart() const { return selectionStart_; }
  const platform::TPoint& SelectionEnd() const { return selectionEnd_; }

  // The mouse handlers, public so that a test can drive them as the events do.
  void MouseDown(const platform::TPoint& at);
  void MouseMove(const platform::TPoint& at);
  void MouseUp(const platform::TPoint& at);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::string Capture(platform::PictureResult captured);
  platform::PictureCanvas& PictureCanvas();
  void DrawSelectionRect(const platform::TPoint& from, const platform::TPoint& to);

  platform::Picture picture_;
  std::unique_ptr<platform::PictureCanvas> canvas_;
  bool dragging_ = false;
  platform::TPoint selectionStart_;
  platform::TPoint selectionEnd_;
  platform::TRect captureRect_;
};

}  // namespace engine
