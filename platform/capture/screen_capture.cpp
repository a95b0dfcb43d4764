#include "platform/capture/screen_capture.h"

#include <QImage>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/drawing/picture_impl.h"

#ifdef TESSEL_HAVE_X11
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace platform {

#ifdef TESSEL_HAVE_X11
namespace {

// Xlib's default error handler ends the process; a bad window id from a host
// must end in a message instead.
int lastXError = 0;
int RecordXError(Display*, XErrorEvent* event) {
  lastXError = event->error_code;
  return 0;
}

class XConnection {
 public:
  XConnection() : display_(XOpenDisplay(nullptr)) {
    if (display_) previousHandler_ = XSetErrorHandler(RecordXError);
  }
  ~XConnection() {
    if (!display_) return;
    XSync(display_, False);
    XSetErrorHandler(previousHandler_);
    XCloseDisplay(display_);
  }
  XConnection(const XConnection&) = delete;
  XConnection& operator=(const XConnection&) = delete;
  Display* get() const { return display_; }

 private:
  Display* display_;
  XErrorHandler previousHandler_ = nullptr;
};

struct XImageDeleter {
  void operator()(XImage* image) const { XDestroyImage(image); }
};

int ShiftOf(unsigned long mask) {
  int shift = 0;
  while (mask && !(mask & 1)) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

int BitsOf(unsigned long mask) {
  int bits = 0;
  for (mask >>= ShiftOf(mask); mask & 1; mask >>= 1) ++bits;
  return bits;
}

uint32_t Channel(unsigned long pixel, unsigned long mask) {
  const int bits = BitsOf(mask);
  if (bits == 0) return 0;
  const uint32_t value = static_cast<uint32_t>((pixel & mask) >> ShiftOf(mask));
  return bits >= 8 ? value >> (bits - 8) : (value * 255u) / ((1u << bits) - 1u);
}

// The image's pixels at (left, top) of a picture of width by height whose
// other pixels are white: the part of a window off the screen has none.
PictureResult ToPicture(XImage* ximage, int left, int top, int width, int height) {
  if (auto refused = CheckPictureSize(width, height)) return *refused;
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return PictureError{"no memory for the captured picture"};
  image.fill(Qt::white);
  for (int y = 0; ximage != nullptr && y < ximage->height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(top + y)) + left;
    for (int x = 0; x < ximage->width; ++x) {
      const unsigned long pixel = XGetPixel(ximage, x, y);
      row[x] = qRgb(static_cast<int>(Channel(pixel, ximage->red_mask)),
                    static_cast<int>(Channel(pixel, ximage->green_mask)),
                    static_cast<int>(Channel(pixel, ximage->blue_mask)));
    }
  }
  return PictureFromImage(std::move(image));
}

// A top-level window that a window manager looks after carries WM_STATE.
bool IsManagedTopLevel(Display* display, Window window, Atom wmState) {
  if (wmState == 0) return false;
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, window, wmState, 0, 0, False, AnyPropertyType,
                                        &type, &format, &items, &after, &data);
  if (data) XFree(data);
  return status == Success && type != 0;
}

// What the user sees as the window of a handle. A top-level window comes
// with its frame: the ancestor just below the root, which is the window
// manager's frame where there is one. A child window inside a top-level
// window (a control, a pane) is its own rectangle only.
Window WindowToCapture(Display* display, Window window) {
  const Atom wmState = XInternAtom(display, "WM_STATE", True);
  bool topLevelClient = false;
  Window current = window;
  for (int depth = 0; depth < 64; ++depth) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, current, &root, &parent, &children, &count)) return current;
    if (children) XFree(children);
    if (IsManagedTopLevel(display, current, wmState)) {
      if (current != window) return window;
      topLevelClient = true;
    }
    // Without a window manager the top-level window is the one just below
    // the root.
    if (parent == 0 || parent == root) return current == window || topLevelClient ? current : window;
    current = parent;
  }
  return current;
}

PictureResult CaptureDrawable(Display* display, Window window) {
  lastXError = 0;
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display, window, &attributes) || lastXError != 0) {
    return PictureError{"the window " + std::to_string(window) + " does not exist"};
  }
  if (attributes.map_state != IsViewable) {
    return PictureError{"the window " + std::to_string(window) + " is not shown"};
  }
  if (auto refused = CheckPictureSize(attributes.width, attributes.height)) return *refused;
  // The server has pixels only for what lies on the screen: a window partly
  // beyond its edge is read where it is on it, and the rest stays white.
  int rootX = 0, rootY = 0;
  Window ignored = 0;
  XWindowAttributes screen{};
  if (!XTranslateCoordinates(display, window, attributes.root, 0, 0, &rootX, &rootY, &ignored) ||
      !XGetWindowAttributes(display, attributes.root, &screen) || lastXError != 0) {
    return PictureError{"the window's place on the screen could not be read"};
  }
  const int64_t left = std::max<int64_t>(rootX, 0);
  const int64_t top = std::max<int64_t>(rootY, 0);
  const int64_t right = std::min<int64_t>(int64_t{rootX} + attributes.width, screen.width);
  const int64_t bottom = std::min<int64_t>(int64_t{rootY} + attributes.height, screen.height);
  std::unique_ptr<XImage, XImageDeleter> image;
  if (left < right && top < bottom) {
    image.reset(XGetImage(display, window, static_cast<int>(left - rootX), static_cast<int>(top - rootY),
                          static_cast<unsigned>(right - left), static_cast<unsigned>(bottom - top),
                          AllPlanes, ZPixmap));
    XSync(display, False);
    if (!image || lastXError != 0) return PictureError{"the window's pixels could not be read"};
  }
  return ToPicture(image.get(), static_cast<int>(left - rootX), static_cast<int>(top - rootY),
                   attributes.width, attributes.height);
}

bool WaylandOnly() {
  const char* display = std::getenv("DISPLAY");
  return (!display || !*display) && std::getenv("WAYLAND_DISPLAY");
}

}  // namespace

PictureResult CaptureScreen() {
  if (WaylandOnly()) return PictureError{"a Wayland session offers no screen to capture"};
  XConnection connection;
  if (!connection.get()) return PictureError{"there is no X11 display to capture"};
  return CaptureDrawable(connection.get(), DefaultRootWindow(connection.get()));
}

PictureResult CaptureWindow(uint32_t windowId) {
  if (WaylandOnly()) return PictureError{"a Wayland session offers no window ids"};
  XConnection connection;
  if (!connection.get()) return PictureError{"there is no X11 display to capture"};
  if (windowId == 0) return PictureError{"the window 0 does not exist"};
  lastXError = 0;
  const Window shown = WindowToCapture(connection.get(), static_cast<Window>(windowId));
  XSync(connection.get(), False);
  if (lastXError != 0) return PictureError{"the window " + std::to_string(windowId) + " does not exist"};
  return CaptureDrawable(connection.get(), shown);
}

#else

PictureResult CaptureScreen() { return PictureError{"screen capture needs X11"}; }
PictureResult CaptureWindow(uint32_t) { return PictureError{"window capture needs X11"}; }

#endif

}  // namespace platform
