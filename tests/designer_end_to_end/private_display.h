#pragma once
// A private X server (Xvfb) on a display number it picks itself, so that
// tests running side by side never meet, with what a window manager would
// otherwise do for the test: read the screen and press a window's close
// box. Xlib stays inside the source file; its macros break Qt headers.
#include <QImage>

#include <memory>
#include <string>

#include "tests/designer_end_to_end/child_process.h"

namespace end_to_end {

class PrivateDisplay {
 public:
  PrivateDisplay(int width, int height);
  ~PrivateDisplay();
  PrivateDisplay(const PrivateDisplay&) = delete;
  PrivateDisplay& operator=(const PrivateDisplay&) = delete;

  // False when the server could not be started; the reason says why.
  bool Started() const { return connection_ != nullptr; }
  const std::string& Reason() const { return reason_; }
  // ":N", for DISPLAY.
  const std::string& Name() const { return name_; }

  // The whole screen as it stands.
  QImage Screenshot() const;
  // What a click on the window's close box sends: WM_DELETE_WINDOW.
  void CloseWindow(unsigned long window) const;

 private:
  struct Connection;
  std::unique_ptr<ChildProcess> server_;
  std::unique_ptr<Connection> connection_;
  std::string name_;
  std::string reason_;
};

}  // namespace end_to_end
