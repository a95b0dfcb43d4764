#include "tests/fuzz/entries/raster_printer.h"

#include <QImage>
#include <utility>

#include "platform/system/qt_application.h"

namespace tessel_fuzz {
namespace {

// Letter paper with a quarter inch the printer cannot reach on every side.
constexpr int32_t kPixelsPerInch = 100;
constexpr int32_t kPaperShort = 850, kPaperLong = 1100, kOffset = 25;

// One page surface per orientation for the whole process: fuzzing makes a
// printer per input, and a fresh page of megabytes for each job cost more
// than the painting itself. Nobody looks at the pixels, so a page is not
// cleared between jobs either.
QImage& PageSurface(int32_t width, int32_t height) {
  static QImage portrait, landscape;
  QImage& surface = width < height ? portrait : landscape;
  if (surface.width() != width || surface.height() != height) {
    surface = QImage(width, height, QImage::Format_RGB32);
    surface.fill(Qt::white);
  }
  return surface;
}

}  // namespace

RasterPrinter::RasterPrinter() = default;

RasterPrinter::~RasterPrinter() { EndPainting(); }

void RasterPrinter::SetOrientation(platform::TPrinterOrientation orientation) {
  orientation_ = orientation;
}

platform::TPrinterOrientation RasterPrinter::Orientation() const { return orientation_; }
void RasterPrinter::SetTitle(const std::string& /*ansiTitle*/) {}

void RasterPrinter::BeginDoc() {
  if (Printing()) throw platform::EPrinter("Printing in progress");
  if (!platform::EnsureApplication()) throw platform::EPrinter("No Qt application object");
  painter_ = std::make_unique<QPainter>(&PageSurface(PageWidth(), PageHeight()));
  pageCanvas_ = std::make_unique<platform::QPainterCanvas>(*painter_, kPixelsPerInch);
  canvas_.SetTarget(pageCanvas_.get());
  pagesPainted_ += 1;
}

void RasterPrinter::NewPage() {
  if (!Printing()) throw platform::EPrinter("Printer is not currently printing");
  pagesPainted_ += 1;
}

void RasterPrinter::EndDoc() {
  if (!Printing()) return;
  EndPainting();
  jobsEnded_ += 1;
}

void RasterPrinter::Abort() { EndPainting(); }

void RasterPrinter::EndPainting() {
  canvas_.SetTarget(nullptr);
  pageCanvas_.reset();
  painter_.reset();
}

bool RasterPrinter::Printing() const { return painter_ != nullptr; }
platform::TCanvas& RasterPrinter::Canvas() { return canvas_; }

bool RasterPrinter::Landscape() const {
  return orientation_ == platform::TPrinterOrientation::poLandscape;
}

int32_t RasterPrinter::LogPixelsX() const { return kPixelsPerInch; }
int32_t RasterPrinter::LogPixelsY() const { return kPixelsPerInch; }
int32_t RasterPrinter::PhysicalWidth() const { return Landscape() ? kPaperLong : kPaperShort; }
int32_t RasterPrinter::PhysicalHeight() const { return Landscape() ? kPaperShort : kPaperLong; }
int32_t RasterPrinter::PhysicalOffsetX() const { return kOffset; }
int32_t RasterPrinter::PhysicalOffsetY() const { return kOffset; }
int32_t RasterPrinter::PageWidth() const { return PhysicalWidth() - 2 * kOffset; }
int32_t RasterPrinter::PageHeight() const { return PhysicalHeight() - 2 * kOffset; }

}  // namespace tessel_fuzz
