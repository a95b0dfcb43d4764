#include "tests/designer_end_to_end/private_display.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstring>

// Xlib last: its macros (Status, None, Bool) break Qt headers included after it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace end_to_end {
namespace {

constexpr int kStartTimeoutMs = 15'000;

}  // namespace

struct PrivateDisplay::Connection {
  Display* display = nullptr;
  ~Connection() {
    if (display) XCloseDisplay(display);
  }
};

PrivateDisplay::PrivateDisplay(int width, int height) {
  int fds[2];
  if (::pipe(fds) != 0) {
    reason_ = "no pipe";
    return;
  }
  ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
  const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  server_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen, "-nolisten",
                               "tcp", "-noreset"},
      std::vector<std::string>{});
  ::close(fds[1]);
  // Xvfb writes the display number it took, then a line end, once it
  // accepts clients.
  std::string number;
  pollfd ready{fds[0], POLLIN, 0};
  char c = 0;
  while (::poll(&ready, 1, kStartTimeoutMs) == 1 && ::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  ::close(fds[0]);
  if (number.empty()) {
    reason_ = "Xvfb did not start";
    server_.reset();
    return;
  }
  name_ = ":" + number;
  auto connection = std::make_unique<Connection>();
  connection->display = XOpenDisplay(name_.c_str());
  if (!connection->display) {
    reason_ = "no connection to Xvfb on " + name_;
    server_.reset();
    return;
  }
  connection_ = std::move(connection);
}

PrivateDisplay::~PrivateDisplay() {
  connection_.reset();
  server_.reset();
}

QImage PrivateDisplay::Screenshot() const {
  if (!connection_) return {};
  Display* display = connection_->display;
  const Window root = DefaultRootWindow(display);
  XWindowAttributes attributes;
  XGetWindowAttributes(display, root, &attributes);
  XImage* image = XGetImage(display, root, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (!image) return {};
  QImage shot(attributes.width, attributes.height, QImage::Format_RGB32);
  for (int y = 0; y < attributes.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(shot.scanLine(y));
    for (int x = 0; x < attributes.width; ++x) line[x] = 0xFF000000u | (XGetPixel(image, x, y) & 0xFFFFFFu);
  }
  XDestroyImage(image);
  return shot;
}

void PrivateDisplay::CloseWindow(unsigned long window) const {
  if (!connection_) return;
  Display* display = connection_->display;
  XEvent event;
  std::memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

}  // namespace end_to_end
