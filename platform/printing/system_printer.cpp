#include "platform/printing/system_printer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>
#include <optional>

#include "platform/drawing/qpainter_canvas.h"
#include "platform/text/win1252.h"

namespace platform {
namespace {

QPageLayout::Orientation ToQt(TPrinterOrientation orientation) {
  return orientation == TPrinterOrientation::poLandscape ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait;
}

}  // namespace

struct SystemPrinter::Job {
  QPainter painter;
  std::optional<QPainterCanvas> canvas;
  ~Job() {
    canvas.reset();
    if (painter.isActive()) painter.end();
  }
};

SystemPrinter::SystemPrinter(const QPrinterInfo& printer)
    : printer_(std::make_unique<QPrinter>(printer, QPrinter::HighResolution)) {
  printer_->setFullPage(false);
  KeepSettings(PrintSettings{printer_->printerName().toStdString(), 1, false, {}});
}

bool SystemPrinter::ApplySettings(const PrintSettings& settings) {
  if (!settings.outputFile.empty()) return false;
  if (job_) throw EPrinter("Printing in progress");
  PrintSettings kept = settings;
  if (kept.printerName.empty()) kept.printerName = printer_->printerName().toStdString();
  if (kept.printerName != printer_->printerName().toStdString()) {
    const QPrinterInfo other = QPrinterInfo::printerInfo(QString::fromStdString(kept.printerName));
    if (other.isNull()) throw EPrinter("The printer " + kept.printerName + " does not exist.");
    printer_->setPrinterName(other.printerName());
  }
  KeepSettings(kept);
  return true;
}

SystemPrinter::~SystemPrinter() { Abort(); }

void SystemPrinter::SetOrientation(TPrinterOrientation orientation) { orientation_ = orientation; }
TPrinterOrientation SystemPrinter::Orientation() const { return orientation_; }

void SystemPrinter::SetTitle(const std::string& ansiTitle) {
  printer_->setDocName(QString::fromStdString(Win1252ToUtf8(ansiTitle)));
}

void SystemPrinter::BeginDoc() {
  if (job_) throw EPrinter("Printing in progress");
  printer_->setPageOrientation(ToQt(orientation_));
  auto job = std::make_unique<Job>();
  if (!job->painter.begin(printer_.get())) {
    throw EPrinter("The printer " + printer_->printerName().toStdString() +
                   " cannot start a job.");
  }
  job->canvas.emplace(job->painter, printer_->resolution());
  job_ = std::move(job);
  canvas_.SetTarget(&*job_->canvas);
}

void SystemPrinter::NewPage() {
  if (!job_) throw EPrinter("Printer is not currently printing");
  if (!printer_->newPage()) throw EPrinter("The printer cannot start a new page.");
}

void SystemPrinter::EndDoc() {
  if (!job_) return;
  canvas_.SetTarget(nullptr);
  const std::unique_ptr<Job> job = std::move(job_);
  job->canvas.reset();
  if (!job->painter.end() || printer_->printerState() == QPrinter::Error) {
    throw EPrinter("The printer " + printer_->printerName().toStdString() +
                   " could not take the job.");
  }
}

void SystemPrinter::Abort() {
  if (!job_) return;
  canvas_.SetTarget(nullptr);
  const std::unique_ptr<Job> job = std::move(job_);
  job->canvas.reset();
  printer_->abort();
  job->painter.end();
}

bool SystemPrinter::Printing() const { return job_ != nullptr; }
TCanvas& SystemPrinter::Canvas() { return canvas_; }

// While a job runs the printer holds the job's orientation; otherwise the
// values are those the next job will have.
DeviceValues SystemPrinter::Values() const {
  QPageLayout layout = printer_->pageLayout();
  if (!job_) layout.setOrientation(ToQt(orientation_));
  return DeviceValuesOf(layout, printer_->resolution());
}

int32_t SystemPrinter::LogPixelsX() const { return Values().pixelsPerInchX; }
int32_t SystemPrinter::LogPixelsY() const { return Values().pixelsPerInchY; }
int32_t SystemPrinter::PhysicalWidth() const { return Values().physicalWidth; }
int32_t SystemPrinter::PhysicalHeight() const { return Values().physicalHeight; }
int32_t SystemPrinter::PhysicalOffsetX() const { return Values().offsetX; }
int32_t SystemPrinter::PhysicalOffsetY() const { return Values().offsetY; }
int32_t SystemPrinter::PageWidth() const { return Values().pageWidth; }
int32_t SystemPrinter::PageHeight() const { return Values().pageHeight; }

}  // namespace platform
