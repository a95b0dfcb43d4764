#pragma once
// A printer of the system's CUPS scheduler, at the printer's own resolution
// and paper. Each job is drawn as a PDF and handed to the queue, and the
// scheduler's answer decides whether it printed.
#include <memory>
#include <string>

#include "platform/drawing/forwarding_canvas.h"
#include "platform/printing/device_values.h"
#include "platform/printing/printer.h"

class QPrinter;
class QPrinterInfo;

namespace platform {

class SystemPrinter : public TPrinter {
 public:
  explicit SystemPrinter(const QPrinterInfo& printer);
  ~SystemPrinter() override;
  SystemPrinter(const SystemPrinter&) = delete;
  SystemPrinter& operator=(const SystemPrinter&) = delete;

  // An orientation set during a job applies from the next job on.
  void SetOrientation(TPrinterOrientation orientation) override;
  TPrinterOrientation Orientation() const override;
  void SetTitle(const std::string& ansiTitle) override;
  void BeginDoc() override;
  void NewPage() override;
  // Throws EPrinter when the queue does not take the job (it refuses jobs,
  // it is gone, the scheduler cannot be reached), with the scheduler's
  // reason. A paused queue takes the job and holds it.
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
  // Another printer of the system by its name; throws EPrinter when there is
  // none of that name. A file to print to is the PDF backend's.
  bool ApplySettings(const PrintSettings& settings) override;

 private:
  struct Job;
  DeviceValues Values() const;

  TPrinterOrientation orientation_ = TPrinterOrientation::poPortrait;
  std::string title_;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<Job> job_;
  ForwardingCanvas canvas_;
};

}  // namespace platform
