#include "platform/system/print_dialog.h"

#include <QDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <utility>

#include "platform/system/qt_application.h"

namespace platform {
namespace {

std::function<bool(PrintSettings&)>& Answer() {
  static std::function<bool(PrintSettings&)> answer;
  return answer;
}

bool RunQtPrintDialog(PrintSettings& settings) {
  QPrinter printer;
  if (!settings.printerName.empty()) {
    printer.setPrinterName(QString::fromStdString(settings.printerName));
  } else {
    // The PDF backend is in place: the dialog starts at printing to a file.
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(settings.outputFile));
  }
  printer.setCopyCount(settings.copies);
  printer.setCollateCopies(settings.collate);
  QPrintDialog dialog(&printer);
  // The print is the whole report or the page shown: no page ranges.
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies);
  if (dialog.exec() != QDialog::Accepted) return false;
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    settings.printerName.clear();
    settings.outputFile = printer.outputFileName().toStdString();
  } else {
    settings.printerName = printer.printerName().toStdString();
    settings.outputFile.clear();
  }
  settings.copies = printer.copyCount();
  settings.collate = printer.collateCopies();
  return true;
}

}  // namespace

bool RunPrintDialog(PrintSettings& settings) {
  if (const std::function<bool(PrintSettings&)> answer = Answer()) return answer(settings);
  // Nobody could answer a dialog here; a headless host prints unasked.
  if (!HasDisplay() || !EnsureApplication() || !HasDisplay()) return true;
  return RunQtPrintDialog(settings);
}

void SetPrintDialogAnswer(std::function<bool(PrintSettings&)> answer) {
  Answer() = std::move(answer);
}

void SetPrintDialogAnswer(std::function<bool()> answer) {
  if (!answer) {
    Answer() = nullptr;
    return;
  }
  Answer() = [confirm = std::move(answer)](PrintSettings&) { return confirm(); };
}

void SetPrintDialogAnswer(std::nullptr_t) { Answer() = nullptr; }

}  // namespace platform
