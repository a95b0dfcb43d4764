#include "platform/printing/recording_printer.h"

namespace platform {

RecordingPrinter::RecordingPrinter(RecordingPrinterSetup setup) : setup_(setup) {
  canvas_.SetTarget(&idleCanvas_);
}

void RecordingPrinter::SetOrientation(TPrinterOrientation orientation) {
  orientation_ = orientation;
  Log.push_back(orientation == TPrinterOrientation::poLandscape ? "SetOrientation 1"
                                                                : "SetOrientation 0");
}

TPrinterOrientation RecordingPrinter::Orientation() const { return orientation_; }
void RecordingPrinter::SetTitle(const std::string& /*ansiTitle*/) {}

void RecordingPrinter::BeginDoc() {
  Log.push_back("BeginDoc");
  if (printing_) throw EPrinter("Printing in progress");
  if (setup_.failBeginDoc) throw EPrinter("The printer cannot start a job.");
  Jobs.push_back(Job{orientation_, {}, false, false, Settings()});
  Jobs.back().pages.emplace_back();
  printing_ = true;
  canvas_.SetTarget(&Jobs.back().pages.back());
}

void RecordingPrinter::NewPage() {
  Log.push_back("NewPage");
  if (!printing_) throw EPrinter("Printer is not currently printing");
  Jobs.back().pages.emplace_back();
  canvas_.SetTarget(&Jobs.back().pages.back());
}

void RecordingPrinter::EndDoc() {
  Log.push_back("EndDoc");
  if (!printing_) return;
  printing_ = false;
  Jobs.back().ended = true;
  canvas_.SetTarget(&idleCanvas_);
}

void RecordingPrinter::Abort() {
  Log.push_back("Abort");
  if (!printing_) return;
  printing_ = false;
  Jobs.back().aborted = true;
  canvas_.SetTarget(&idleCanvas_);
}

bool RecordingPrinter::Printing() const { return printing_; }
TCanvas& RecordingPrinter::Canvas() { return canvas_; }

namespace {
bool Landscape(TPrinterOrientation orientation) {
  return orientation == TPrinterOrientation::poLandscape;
}
}  // namespace

int32_t RecordingPrinter::LogPixelsX() const {
  return Landscape(orientation_) ? setup_.pixelsPerInchY : setup_.pixelsPerInchX;
}
int32_t RecordingPrinter::LogPixelsY() const {
  return Landscape(orientation_) ? setup_.pixelsPerInchX : setup_.pixelsPerInchY;
}
int32_t RecordingPrinter::PhysicalWidth() const {
  return Landscape(orientation_) ? setup_.physicalHeight : setup_.physicalWidth;
}
int32_t RecordingPrinter::PhysicalHeight() const {
  return Landscape(orientation_) ? setup_.physicalWidth : setup_.physicalHeight;
}
int32_t RecordingPrinter::PhysicalOffsetX() const {
  return Landscape(orientation_) ? setup_.offsetY : setup_.offsetX;
}
int32_t RecordingPrinter::PhysicalOffsetY() const {
  return Landscape(orientation_) ? setup_.offsetX : setup_.offsetY;
}
int32_t RecordingPrinter::PageWidth() const {
  return Landscape(orientation_) ? setup_.pageHeight : setup_.pageWidth;
}
int32_t RecordingPrinter::PageHeight() const {
  return Landscape(orientation_) ? setup_.pageWidth : setup_.pageHeight;
}

}  // namespace platform
