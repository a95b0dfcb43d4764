#include "platform/printing/printer.h"

#include <QPrinterInfo>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "platform/printing/cups_queue.h"
#include "platform/printing/pdf_printer.h"
#include "platform/printing/system_printer.h"
#include "platform/system/qt_application.h"

namespace platform {
namespace {

TPrinter* installedPrinter = nullptr;

// Made once and kept to the end of the process on purpose: destroying it
// after main returns would run Qt code after the application object is gone.
TPrinter* processPrinter = nullptr;

TPrinter* MakeProcessPrinter() {
  const char* printTo = std::getenv("ZBX_PRINT_TO");
  if (printTo != nullptr && *printTo != '\0') return new PdfPrinter();
  EnsureApplication();
  FollowCupsServer();
  const QPrinterInfo systemDefault = QPrinterInfo::defaultPrinter();
  if (!systemDefault.isNull()) return new SystemPrinter(systemDefault);
  return new PdfPrinter();
}

}  // namespace

bool TPrinter::ApplySettings(const PrintSettings& settings) {
  KeepSettings(settings);
  return true;
}

void TPrinter::KeepSettings(const PrintSettings& settings) {
  settings_ = settings;
  settings_.copies = std::clamp(settings.copies, 1, kMaxCopies);
}

TPrinter& Printer() {
  if (installedPrinter != nullptr) return *installedPrinter;
  if (processPrinter == nullptr) processPrinter = MakeProcessPrinter();
  return *processPrinter;
}

TPrinter* SetPrinter(TPrinter* printer) {
  TPrinter* before = installedPrinter;
  installedPrinter = printer;
  return before;
}

PrintJob::PrintJob(TPrinter& printer) : printer_(printer), uncaught_(std::uncaught_exceptions()) {
  printer_.BeginDoc();
}

PrintJob::~PrintJob() {
  if (!open_) return;
  try {
    if (std::uncaught_exceptions() > uncaught_) {
      printer_.Abort();
    } else {
      printer_.EndDoc();
    }
  } catch (const std::exception& error) {
    // A destructor cannot pass the failure on; End() does.
    std::fprintf(stderr, "Tessel: %s\n", error.what());
  } catch (...) {
    std::fprintf(stderr, "Tessel: The print job could not be ended.\n");
  }
}

void PrintJob::End() {
  if (!open_) return;
  open_ = false;
  printer_.EndDoc();
}

}  // namespace platform
