#include "platform/printing/pdf_printer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/ini/file_replacement.h"
#include "platform/printing/pdf_job_file.h"
#include "platform/system/qt_application.h"

namespace platform {
namespace {

constexpr int32_t kPixelsPerInch = 600;
constexpr double kMarginInches = 0.25;

QPageLayout LetterLayout(TPrinterOrientation orientation) {
  return QPageLayout(QPageSize(QPageSize::Letter),
                     orientation == TPrinterOrientation::poLandscape ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait,
                     QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches),
                     QPageLayout::Inch);
}

std::string PrintTarget() {
  const char* value = std::getenv("ZBX_PRINT_TO");
  return value != nullptr ? std::string(value) : std::string();
}

// The drawn job into the file that takes the target's name on commit.
bool CopyFile(const std::string& fromPath, QSaveFile& to) {
  QFile from(QString::fromStdString(fromPath));
  if (!from.open(QIODevice::ReadOnly)) return false;
  while (!from.atEnd()) {
    const QByteArray chunk = from.read(1 << 20);
    if (chunk.isEmpty() || to.write(chunk) != chunk.size()) return false;
  }
  return true;
}

bool HasGuiApplication() {
  return EnsureApplication() ||
         qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace

struct PdfPrinter::Job {
  std::string printTo;
  std::string path;
  bool numbered = true;
  TPrinterOrientation orientation = TPrinterOrientation::poPortrait;
  QSaveFile file;
  std::optional<PdfJobFile> drawing;

  explicit Job(const std::string& filePath) : path(filePath), file(QString::fromStdString(filePath)) {}
};

PdfPrinter::PdfPrinter()
    : portrait_(DeviceValuesOf(LetterLayout(TPrinterOrientation::poPortrait), kPixelsPerInch)),
      landscape_(DeviceValuesOf(LetterLayout(TPrinterOrientation::poLandscape), kPixelsPerInch)) {}

PdfPrinter::~PdfPrinter() { Abort(); }

void PdfPrinter::SetOrientation(TPrinterOrientation orientation) { orientation_ = orientation; }
TPrinterOrientation PdfPrinter::Orientation() const { return orientation_; }
void PdfPrinter::SetTitle(const std::string& ansiTitle) { title_ = ansiTitle; }

void PdfPrinter::BeginDoc() {
  if (job_) throw EPrinter("Printing in progress");
  if (!HasGuiApplication()) throw EPrinter("Printing needs a Qt GUI application object.");

  const std::string printTo = PrintTarget();
  auto job = std::make_unique<Job>(NextOutputFile());
  job->printTo = printTo;
  job->numbered = Settings().outputFile.empty();
  job->orientation = orientation_;
  // QSaveFile asks only whether this user may write the file, which root
  // always may: a read-only PDF would be replaced.
  if (!MayReplaceFile(job->path)) {
    throw EPrinter("Cannot write the PDF file " + job->path + ": it is read-only or no file.");
  }
  if (!job->file.open(QIODevice::WriteOnly)) {
    throw EPrinter("Cannot write the PDF file " + job->path + ": " +
                   job->file.errorString().toStdString());
  }
  job->drawing.emplace(LetterLayout(orientation_), kPixelsPerInch,
                       PdfJobLook{Settings().grayscale, title_});
  job_ = std::move(job);
  canvas_.SetTarget(&job_->drawing->Canvas());
}

void PdfPrinter::NewPage() {
  if (!job_) throw EPrinter("Printer is not currently printing");
  job_->drawing->NewPage();
}

void PdfPrinter::EndDoc() {
  if (!job_) return;
  canvas_.SetTarget(nullptr);
  const std::unique_ptr<Job> job = std::move(job_);
  if (!CopyFile(job->drawing->Finish(), job->file) || !job->file.commit()) {
    throw EPrinter("Cannot write the PDF file " + job->path + ": " +
                   job->file.errorString().toStdString());
  }
  if (job->numbered) names_.CountJob(job->printTo, job->path);
  std::fprintf(stderr, "zbx_qn: printed to %s\n", job->path.c_str());
  std::fflush(stderr);
}

void PdfPrinter::Abort() {
  if (!job_) return;
  canvas_.SetTarget(nullptr);
  const std::unique_ptr<Job> job = std::move(job_);
  job->drawing.reset();
  // Without a commit the temporary file is removed and nothing appears.
  job->file.cancelWriting();
}

bool PdfPrinter::ApplySettings(const PrintSettings& settings) {
  if (!settings.printerName.empty()) return false;
  KeepSettings(settings);
  return true;
}

// A file the print dialog chose is written as it is named, past any
// ZBX_PRINT_TO.
std::string PdfPrinter::NextOutputFile() const {
  const std::string& chosenFile = Settings().outputFile;
  if (chosenFile.empty()) return names_.NextPath(PrintTarget());
  return QFileInfo(QString::fromStdString(chosenFile)).absoluteFilePath().toStdString();
}

bool PdfPrinter::Printing() const { return job_ != nullptr; }
TCanvas& PdfPrinter::Canvas() { return canvas_; }

const DeviceValues& PdfPrinter::Values() const {
  const TPrinterOrientation orientation = job_ ? job_->orientation : orientation_;
  return orientation == TPrinterOrientation::poLandscape ? landscape_ : portrait_;
}

int32_t PdfPrinter::LogPixelsX() const { return Values().pixelsPerInchX; }
int32_t PdfPrinter::LogPixelsY() const { return Values().pixelsPerInchY; }
int32_t PdfPrinter::PhysicalWidth() const { return Values().physicalWidth; }
int32_t PdfPrinter::PhysicalHeight() const { return Values().physicalHeight; }
int32_t PdfPrinter::PhysicalOffsetX() const { return Values().offsetX; }
int32_t PdfPrinter::PhysicalOffsetY() const { return Values().offsetY; }
int32_t PdfPrinter::PageWidth() const { return Values().pageWidth; }
int32_t PdfPrinter::PageHeight() const { return Values().pageHeight; }

}  // namespace platform
