#include "platform/printing/pdf_job_file.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <QTemporaryDir>
#include <optional>

#include "platform/drawing/qpainter_canvas.h"
#include "platform/printing/printer.h"
#include "platform/text/win1252.h"

namespace platform {

// Members in the order they must come up; they go down in reverse.
struct PdfJobFile::Parts {
  QTemporaryDir folder;
  QString path;
  QPrinter printer{QPrinter::HighResolution};
  QPainter painter;
  std::optional<QPainterCanvas> canvas;
  ~Parts() {
    canvas.reset();
    if (painter.isActive()) painter.end();
  }
};

PdfJobFile::PdfJobFile(const QPageLayout& layout, int32_t pixelsPerInch, const PdfJobLook& look)
    : parts_(std::make_unique<Parts>()) {
  if (!parts_->folder.isValid()) {
    throw EPrinter("Cannot make a temporary folder for the print job: " +
                   parts_->folder.errorString().toStdString());
  }
  parts_->path = parts_->folder.filePath(QStringLiteral("job.pdf"));
  QPrinter& printer = parts_->printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(parts_->path);
  printer.setResolution(pixelsPerInch);
  printer.setFullPage(false);
  printer.setPageLayout(layout);
  // Qt's PDF engine greys every colour and picture it writes.
  printer.setColorMode(look.grayscale ? QPrinter::GrayScale : QPrinter::Color);
  printer.setDocName(QString::fromStdString(Win1252ToUtf8(look.ansiTitle)));
  printer.setCreator(QStringLiteral("zbx_qn"));
  if (!parts_->painter.begin(&printer)) {
    throw EPrinter("Cannot start the print job's PDF file " + parts_->path.toStdString() + ".");
  }
  parts_->canvas.emplace(parts_->painter, pixelsPerInch);
}

PdfJobFile::~PdfJobFile() = default;

TCanvas& PdfJobFile::Canvas() { return *parts_->canvas; }

void PdfJobFile::NewPage() {
  if (!parts_->printer.newPage()) throw EPrinter("The print job cannot start a new page.");
}

std::string PdfJobFile::Finish() {
  parts_->canvas.reset();
  if (parts_->painter.isActive() && !parts_->painter.end()) {
    throw EPrinter("Cannot complete the print job's PDF file " + parts_->path.toStdString() + ".");
  }
  return parts_->path.toStdString();
}

}  // namespace platform
