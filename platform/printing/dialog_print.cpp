#include "platform/printing/dialog_print.h"

#include <QPrinterInfo>
#include <QString>
#include <cstdio>
#include <exception>
#include <memory>

#include "platform/printing/cups_queue.h"
#include "platform/printing/pdf_printer.h"
#include "platform/printing/printer.h"
#include "platform/printing/system_printer.h"
#include "platform/system/print_dialog.h"
#include "platform/system/qt_application.h"

namespace platform {
namespace {

std::unique_ptr<TPrinter> PrinterInPlaceOf(const PrintSettings& chosen) {
  if (!chosen.outputFile.empty()) {
    auto pdf = std::make_unique<PdfPrinter>();
    PrintSettings toFile = chosen;
    toFile.printerName.clear();
    pdf->ApplySettings(toFile);
    return pdf;
  }
  EnsureApplication();
  FollowCupsServer();
  const QPrinterInfo named = QPrinterInfo::printerInfo(QString::fromStdString(chosen.printerName));
  if (named.isNull()) throw EPrinter("The printer " + chosen.printerName + " does not exist.");
  auto system = std::make_unique<SystemPrinter>(named);
  system->ApplySettings(chosen);
  return system;
}

// The dialog's choices in force for one print.
class ChosenPrinter {
 public:
  explicit ChosenPrinter(const PrintSettings& chosen)
      : printer_(Printer()), before_(printer_.Settings()) {
    if (printer_.ApplySettings(chosen)) return;
    inPlace_ = PrinterInPlaceOf(chosen);
    inPlace_->SetOrientation(printer_.Orientation());
    installedBefore_ = SetPrinter(inPlace_.get());
  }
  ~ChosenPrinter() {
    if (inPlace_) {
      SetPrinter(installedBefore_);
      return;
    }
    try {
      printer_.ApplySettings(before_);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "Tessel: %s\n", error.what());
    }
  }
  ChosenPrinter(const ChosenPrinter&) = delete;
  ChosenPrinter& operator=(const ChosenPrinter&) = delete;

 private:
  TPrinter& printer_;
  PrintSettings before_;
  std::unique_ptr<TPrinter> inPlace_;
  TPrinter* installedBefore_ = nullptr;
};

}  // namespace

bool PrintAfterDialog(const std::function<void()>& print) {
  TPrinter& printer = Printer();
  PrintSettings chosen = printer.Settings();
  // A printer that writes files offers the file its next job goes to; left
  // as it is, the job goes there as it would without the dialog, numbered
  // among the others.
  const std::string nextFile = chosen.outputFile.empty() ? printer.NextOutputFile() : std::string();
  if (!nextFile.empty()) chosen.outputFile = nextFile;
  if (!RunPrintDialog(chosen)) return false;
  if (!nextFile.empty() && chosen.outputFile == nextFile) chosen.outputFile.clear();
  const ChosenPrinter inForce(chosen);
  print();
  return true;
}

}  // namespace platform
