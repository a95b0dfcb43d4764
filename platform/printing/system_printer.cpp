#include "platform/printing/system_printer.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>
#include <optional>

#include "platform/printing/cups_queue.h"
#include "platform/printing/pdf_job_file.h"
#include "platform/text/win1252.h"

namespace platform {
namespace {

QPageLayout::Orientation ToQt(TPrinterOrientation orientation) {
  return orientation == TPrinterOrientation::poLandscape ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait;
}

}  // namespace

// The job is drawn as a PDF and handed to the queue through the CUPS
// library, whose answer says whether the queue took it: Qt's own CUPS
// printing throws that answer away.
struct SystemPrinter::Job {
  std::optional<PdfJobFile> drawing;
};

SystemPrinter::SystemPrinter(const QPrinterInfo& printer)
    : printer_(std::make_unique<QPrinter>(printer, QPrinter::HighResolution)) {
  printer_->setFullPage(false);
  PrintSettings settings;
  settings.printerName = printer_->printerName().toStdString();
  KeepSettings(settings);
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

void SystemPrinter::SetTitle(const std::string& ansiTitle) { title_ = ansiTitle; }

void SystemPrinter::BeginDoc() {
  if (job_) throw EPrinter("Printing in progress");
  printer_->setPageOrientation(ToQt(orientation_));
  auto job = std::make_unique<Job>();
  job->drawing.emplace(printer_->pageLayout(), printer_->resolution(),
                       PdfJobLook{Settings().grayscale, title_});
  job_ = std::move(job);
  canvas_.SetTarget(&job_->drawing->Canvas());
}

void SystemPrinter::NewPage() {
  if (!job_) throw EPrinter("Printer is not currently printing");
  job_->drawing->NewPage();
}

void SystemPrinter::EndDoc() {
  if (!job_) return;
  canvas_.SetTarget(nullptr);
  const std::unique_ptr<Job> job = std::move(job_);
  SubmitPdfToCups(printer_->printerName().toStdString(), job->drawing->Finish(),
                  Win1252ToUtf8(title_));
}

void SystemPrinter::Abort() {
  if (!job_) return;
  canvas_.SetTarget(nullptr);
  job_.reset();
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
