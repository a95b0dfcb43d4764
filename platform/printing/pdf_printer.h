#pragma once
// The printer when there is no system printer, or when ZBX_PRINT_TO names a
// file: every job becomes a PDF on Letter paper at 600 pixels per inch with
// margins of a quarter inch, so that the device values are those of a real
// printer. A job is written to a temporary file and appears under its name
// only when it ends; an aborted job leaves nothing behind. The path of each
// finished file goes to standard error.
#include <memory>
#include <string>

#include "platform/drawing/forwarding_canvas.h"
#include "platform/printing/device_values.h"
#include "platform/printing/pdf_job_names.h"
#include "platform/printing/printer.h"

namespace platform {

class PdfPrinter : public TPrinter {
 public:
  PdfPrinter();
  ~PdfPrinter() override;
  PdfPrinter(const PdfPrinter&) = delete;
  PdfPrinter& operator=(const PdfPrinter&) = delete;

  // An orientation set during a job applies from the next job on.
  void SetOrientation(TPrinterOrientation orientation) override;
  TPrinterOrientation Orientation() const override;
  void SetTitle(const std::string& ansiTitle) override;
  // Reads ZBX_PRINT_TO for each job.
  void BeginDoc() override;
  void NewPage() override;
  // Throws EPrinter when the file cannot be completed.
  void EndDoc() override;
  void Abort() override;
  bool Printing() const override;
  TCanvas& Canvas() override;
  int32_t LogPixelsX() const override;
  int32_t LogPixelsY() const override;
  int32_t PhysicalWidth() const override;
  int32_t PhysicalHeight() const override;
  int32_t PhysicalOffsetX() const override;
  int32_t PhysicalOffsetY() const override;
  int32_t PageWidth() const override;
  int32_t PageHeight() const override;
  // A file to print to, copies and their order; a system printer is not
  // this printer's to take.
  bool ApplySettings(const PrintSettings& settings) override;
  std::string NextOutputFile() const override;

 private:
  struct Job;
  const DeviceValues& Values() const;

  TPrinterOrientation orientation_ = TPrinterOrientation::poPortrait;
  std::string title_;
  PdfJobNames names_;
  DeviceValues portrait_;
  DeviceValues landscape_;
  std::unique_ptr<Job> job_;
  ForwardingCanvas canvas_;
};

}  // namespace platform
