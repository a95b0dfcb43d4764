// Screen and window captures on a private X server (Xvfb), when one can be
// started here.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <ostream>
#include <string>
#include <utility>

#include "engine/zbx_qn.h"
#include "platform/capture/screen_capture.h"
#include "platform/drawing/picture_impl.h"
#include "platform/printing/pdf_printer.h"
#include "platform/printing/recording_printer.h"
#include "platform/system/message_box.h"
#include "tests/printing/pdf_tools.h"

// Xlib last: its macros (Status, None, Bool) break Qt headers included after it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace engine {
namespace {

class PrivateXServer {
 public:
  // Xvfb picks a free display number itself and writes it to a pipe, so
  // tests running side by side never meet on one server.
  PrivateXServer() {
    int fds[2];
    if (::pipe(fds) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(fds[0]);
      const std::string fd = std::to_string(fds[1]);
      ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "640x480x24",
               "-nolisten", "tcp", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(fds[1]);
    std::string number;
    char c;
    while (pid_ > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(fds[0]);
    if (number.empty()) return;
    const std::string name = ":" + number;
    display_ = XOpenDisplay(name.c_str());
    if (display_) {
      previousDisplay_ = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
      ::setenv("DISPLAY", name.c_str(), 1);
    }
  }
  ~PrivateXServer() {
    if (display_) {
      XCloseDisplay(display_);
      ::setenv("DISPLAY", previousDisplay_.c_str(), 1);
    }
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  Display* display() const { return display_; }

  // A mapped window of one colour inside parent (the root when 0); returns
  // its id.
  Window ShowWindow(int x, int y, int width, int height, unsigned long rgb, Window parent = 0) {
    if (parent == 0) parent = DefaultRootWindow(display_);
    const Window window = XCreateSimpleWindow(display_, parent, x, y,
                                              static_cast<unsigned>(width),
                                              static_cast<unsigned>(height), 0, 0, rgb);
    XSelectInput(display_, window, ExposureMask);
    XMapWindow(display_, window);
    XEvent event;
    XWindowEvent(display_, window, ExposureMask, &event);
    XSync(display_, False);
    return window;
  }

  // Marks a window as a window manager marks the top-level windows it looks
  // after.
  void MarkManaged(Window window) {
    const Atom wmState = XInternAtom(display_, "WM_STATE", False);
    const long normalState[2] = {1, 0};
    XChangeProperty(display_, window, wmState, wmState, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(normalState), 2);
    XSync(display_, False);
  }

  // Paints every pixel of the window with its own colour.
  void Paint(Window window, int width, int height, unsigned long (*colour)(int x, int y)) {
    GC gc = XCreateGC(display_, window, 0, nullptr);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        XSetForeground(display_, gc, colour(x, y));
        XDrawPoint(display_, window, gc, x, y);
      }
    }
    XFreeGC(display_, gc);
    XSync(display_, False);
  }

 private:
  pid_t pid_ = -1;
  Display* display_ = nullptr;
  std::string previousDisplay_;
};

class ScreenCapture : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!server_.display()) GTEST_SKIP() << "Xvfb cannot be started here";
    previous_ = platform::SetPrinter(&printer_);
  }
  void TearDown() override {
    if (server_.display()) platform::SetPrinter(previous_);
  }

  // One job of one page holding one picture of that size, and no message.
  void ExpectOnePrintedPicture(int32_t width, int32_t height) {
    EXPECT_TRUE(messages_.Texts().empty());
    ASSERT_EQ(printer_.Jobs.size(), 1u);
    ASSERT_EQ(printer_.Jobs[0].pages.size(), 1u);
    ASSERT_EQ(printer_.Jobs[0].pages[0].Calls.size(), 1u);
    EXPECT_EQ(printer_.Jobs[0].pages[0].Calls[0].extra1, width);
    EXPECT_EQ(printer_.Jobs[0].pages[0].Calls[0].extra2, height);
  }

  PrivateXServer server_;
  platform::ScopedMessageRecorder messages_;
  platform::RecordingPrinter printer_;
  platform::TPrinter* previous_ = nullptr;
};

TEST_F(ScreenCapture, WindowIsCapturedWhereverItStands) {
  const Window window = server_.ShowWindow(300, 200, 120, 90, 0xFF0000);
  auto captured = platform::CaptureWindow(static_cast<uint32_t>(window));
  ASSERT_TRUE(std::holds_alternative<platform::Picture>(captured))
      << std::get<platform::PictureError>(captured).reason;
  const QImage& image = std::get<platform::Picture>(captured).impl().image;
  ASSERT_EQ(image.size(), QSize(120, 90));
  EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFFu, 0xFF0000u);
  EXPECT_EQ(image.pixel(119, 89) & 0xFFFFFFu, 0xFF0000u);

  // Fault mended: a window partly beyond the screen's edge could not be
  // captured at all. What is on the screen is captured, the rest is white.
  for (const auto& [x, y] : {std::pair{-40, 400}, std::pair{580, -30}}) {
    const Window beyond = server_.ShowWindow(x, y, 120, 90, 0x00FF00);
    auto partly = platform::CaptureWindow(static_cast<uint32_t>(beyond));
    ASSERT_TRUE(std::holds_alternative<platform::Picture>(partly))
        << std::get<platform::PictureError>(partly).reason;
    const QImage& seen = std::get<platform::Picture>(partly).impl().image;
    ASSERT_EQ(seen.size(), QSize(120, 90));
    for (int row = 0; row < 90; ++row) {
      for (int column = 0; column < 120; ++column) {
        const bool onScreen = x + column >= 0 && x + column < 640 && y + row >= 0 && y + row < 480;
        ASSERT_EQ(seen.pixel(column, row) & 0xFFFFFFu, onScreen ? 0x00FF00u : 0xFFFFFFu)
            << x << "," << y << " at " << column << "," << row;
      }
    }
  }
}

TEST_F(ScreenCapture, PrintWindowPrintsTheWindowOnOnePage) {
  const Window window = server_.ShowWindow(10, 10, 200, 100, 0x00FF00);
  EXPECT_EQ(zBxPrintWindow(static_cast<int32_t>(window), 1, 100, 1), 0);
  ExpectOnePrintedPicture(200, 100);
  ASSERT_EQ(printer_.Jobs.size(), 1u);
  EXPECT_EQ(printer_.Jobs[0].orientation, platform::TPrinterOrientation::poLandscape);
}

// The size and the colours at two corners of a capture.
struct Captured {
  QSize size;
  QRgb topLeft = 0;
  QRgb bottomRight = 0;
  friend bool operator==(const Captured&, const Captured&) = default;
  friend void PrintTo(const Captured& captured, std::ostream* out) {
    *out << captured.size.width() << " x " << captured.size.height() << std::hex << ", #"
         << captured.topLeft << " .. #" << captured.bottomRight << std::dec;
  }
};

Captured CaptureOf(Window window) {
  auto captured = platform::CaptureWindow(static_cast<uint32_t>(window));
  if (!std::holds_alternative<platform::Picture>(captured)) {
    ADD_FAILURE() << std::get<platform::PictureError>(captured).reason;
    return {};
  }
  const QImage& image = std::get<platform::Picture>(captured).impl().image;
  return {image.size(), image.pixel(0, 0) & 0xFFFFFFu,
          image.pixel(image.width() - 1, image.height() - 1) & 0xFFFFFFu};
}

TEST_F(ScreenCapture, ChildWindowIsCapturedAlone) {
  const Window top = server_.ShowWindow(50, 40, 200, 150, 0xFF0000);
  const Window child = server_.ShowWindow(30, 20, 60, 40, 0x00FF00, top);
  const Window grandchild = server_.ShowWindow(5, 5, 10, 8, 0x0000FF, child);
  EXPECT_EQ(CaptureOf(child), (Captured{QSize(60, 40), 0x00FF00, 0x00FF00}));
  EXPECT_EQ(CaptureOf(grandchild), (Captured{QSize(10, 8), 0x0000FF, 0x0000FF}));
  EXPECT_EQ(CaptureOf(top), (Captured{QSize(200, 150), 0xFF0000, 0xFF0000}));

  EXPECT_EQ(zBxPrintWindow(static_cast<int32_t>(child), 0, 100, 1), 0);
  ExpectOnePrintedPicture(60, 40);
}

TEST_F(ScreenCapture, ManagedWindowComesWithItsFrameAndItsChildAlone) {
  // A reparenting window manager's frame holding the top-level window.
  const Window frame = server_.ShowWindow(20, 20, 240, 180, 0x0000FF);
  const Window top = server_.ShowWindow(4, 24, 232, 152, 0xFF0000, frame);
  server_.MarkManaged(top);
  const Window child = server_.ShowWindow(10, 10, 50, 30, 0x00FF00, top);
  EXPECT_EQ(CaptureOf(top), (Captured{QSize(240, 180), 0x0000FF, 0x0000FF}));
  EXPECT_EQ(CaptureOf(frame), (Captured{QSize(240, 180), 0x0000FF, 0x0000FF}));
  EXPECT_EQ(CaptureOf(child), (Captured{QSize(50, 30), 0x00FF00, 0x00FF00}));
}

// Line art and text in a screenshot: neighbouring pixels differ.
unsigned long FinePattern(int x, int y) {
  return static_cast<unsigned long>(((x * 37 + y * 101) & 0xFF) << 16 | ((x ^ y) * 8 & 0xFF) << 8 |
                                    ((x + y) % 2 ? 0xFF : 0x00));
}

TEST_F(ScreenCapture, APrintedWindowReachesThePdfPixelForPixel) {
  constexpr int kWidth = 40, kHeight = 24;
  const Window window = server_.ShowWindow(50, 60, kWidth, kHeight, 0);
  server_.Paint(window, kWidth, kHeight, FinePattern);
  QTemporaryDir folder;
  const std::string pdf = folder.path().toStdString() + "/window.pdf";
  platform::PdfPrinter pdfPrinter;
  platform::SetPrinter(&pdfPrinter);
  {
    tessel_test::ScopedEnvironment target("ZBX_PRINT_TO", pdf.c_str());
    ::testing::internal::CaptureStderr();
    zBxPrintWindow(static_cast<int32_t>(window), 0, 100, 0);
    ::testing::internal::GetCapturedStderr();
  }
  platform::SetPrinter(&printer_);
  EXPECT_TRUE(messages_.Texts().empty());
  const std::vector<tessel_test::PdfImage> listed = tessel_test::PdfImageList(pdf);
  const std::vector<QImage> pixels = tessel_test::PdfImagePixels(pdf);
  ASSERT_EQ(listed.size(), 1u);
  ASSERT_EQ(pixels.size(), 1u);
  EXPECT_EQ(listed[0].encoding, "image");
  ASSERT_EQ(pixels[0].size(), QSize(kWidth, kHeight));
  int differing = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) differing += (pixels[0].pixel(x, y) & 0xFFFFFFu) != FinePattern(x, y);
  }
  EXPECT_EQ(differing, 0);
}

TEST_F(ScreenCapture, PrintScreenTakesTheWholeScreen) {
  EXPECT_EQ(zBxPrintScreen(0, 100, 0), 0);
  ExpectOnePrintedPicture(640, 480);
}

TEST_F(ScreenCapture, UnknownWindowIsReportedAndNothingPrinted) {
  EXPECT_EQ(zBxPrintWindow(0x7FFFFF0, 0, 100, 0), 0);
  EXPECT_EQ(zBxPrintWindow(0, 0, 100, 0), 0);
  EXPECT_TRUE(printer_.Jobs.empty());
  ASSERT_EQ(messages_.Texts().size(), 2u);
  EXPECT_EQ(messages_.Texts()[0].rfind("Tessel: Capture failed: ", 0), 0u);
}

}  // namespace
}  // namespace engine
