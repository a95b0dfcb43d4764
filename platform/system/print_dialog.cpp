#include "platform/system/print_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <utility>

#include "platform/system/qt_application.h"

namespace platform {
namespace {

std::function<bool(PrintSettings&)>& Answer() {
  static std::function<bool(PrintSettings&)> answer;
  return answer;
}

std::function<void(QPrintDialog&)>& Driver() {
  static std::function<void(QPrintDialog&)> drive;
  return drive;
}

// Qt's dialog offers more than the print can take. The print is the whole
// report or the page shown, so there are no page ranges, no odd or even
// pages and no current page or selection; two-sided printing and the
// printer's properties (paper, orientation, margins, driver options) would
// not reach the job either. What stays: the printer or a file, copies,
// collation, order and colour. The colour is drawn into the job, so it is
// offered for every printer, where Qt offers it for files only. Qt sets
// these again whenever it shows itself or another printer is picked, so
// they are set after it.
class TesselPrintDialog : public QPrintDialog {
 public:
  TesselPrintDialog(QPrinter* printer, bool startAtFile)
      : QPrintDialog(printer), startAtFile_(startAtFile) {
    setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies);
    if (auto* printers = findChild<QComboBox*>(QStringLiteral("printers"))) {
      connect(printers, &QComboBox::currentIndexChanged, this, [this] { OfferOnlyWhatReachesTheJob(); });
    }
  }

  void setVisible(bool visible) override {
    QPrintDialog::setVisible(visible);
    if (!visible) return;
    // Qt adds its "Print to File (PDF)" entry, always the last, only now,
    // and starts at a system printer even when the printer writes a file.
    auto* printers = findChild<QComboBox*>(QStringLiteral("printers"));
    if (startAtFile_ && printers != nullptr && printers->count() > 0) {
      printers->setCurrentIndex(printers->count() - 1);
    }
    startAtFile_ = false;
    OfferOnlyWhatReachesTheJob();
  }

 private:
  void OfferOnlyWhatReachesTheJob() {
    for (const char* name : {"gbPrintRange", "duplex", "properties"}) {
      if (auto* widget = findChild<QWidget*>(QString::fromLatin1(name))) widget->hide();
    }
    if (auto* colour = findChild<QWidget*>(QStringLiteral("colorMode"))) colour->show();
  }

  bool startAtFile_;
};

bool RunQtPrintDialog(PrintSettings& settings) {
  QPrinter printer;
  const bool toFile = settings.printerName.empty();
  if (!toFile) {
    printer.setPrinterName(QString::fromStdString(settings.printerName));
  } else {
    // The PDF backend is in place: the dialog starts at printing to a file.
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(settings.outputFile));
  }
  printer.setCopyCount(settings.copies);
  printer.setCollateCopies(settings.collate);
  printer.setPageOrder(settings.reverse ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
  printer.setColorMode(settings.grayscale ? QPrinter::GrayScale : QPrinter::Color);
  TesselPrintDialog dialog(&printer, toFile);
  if (const std::function<void(QPrintDialog&)> drive = Driver()) {
    QTimer::singleShot(0, &dialog, [&dialog, drive] {
      drive(dialog);
      if (dialog.isVisible()) dialog.reject();
    });
  }
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
  settings.reverse = printer.pageOrder() == QPrinter::LastPageFirst;
  // Qt gives a printer the colour of its driver settings, not this choice.
  const auto* grey = dialog.findChild<QRadioButton*>(QStringLiteral("grayscale"));
  settings.grayscale = grey != nullptr ? grey->isChecked() : printer.colorMode() == QPrinter::GrayScale;
  return true;
}

}  // namespace

bool RunPrintDialog(PrintSettings& settings) {
  if (const std::function<bool(PrintSettings&)> answer = Answer()) return answer(settings);
  if (Driver() && EnsureApplication()) return RunQtPrintDialog(settings);
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

void SetPrintDialogDriver(std::function<void(QPrintDialog&)> drive) { Driver() = std::move(drive); }

}  // namespace platform
