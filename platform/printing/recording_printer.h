#pragma once
// A printer for tests: fixed device values, one RecordingCanvas per page, and
// a log of the job calls.
#include <vector>

#include "platform/drawing/forwarding_canvas.h"
#include "platform/drawing/recording_canvas.h"
#include "platform/printing/printer.h"

namespace platform {

struct RecordingPrinterSetup {
  int32_t pixelsPerInchX = 600, pixelsPerInchY = 600;
  int32_t physicalWidth = 5100, physicalHeight = 6600;  // Letter at 600 ppi
  int32_t offsetX = 100, offsetY = 120;
  int32_t pageWidth = 4900, pageHeight = 6360;
  bool failBeginDoc = false;  // BeginDoc logs itself, then throws EPrinter
};

class RecordingPrinter : public TPrinter {
 public:
  explicit RecordingPrinter(RecordingPrinterSetup setup = {});

  void SetOrientation(TPrinterOrientation orientation) override;
  TPrinterOrientation Orientation() const override;
  void SetTitle(const std::string& ansiTitle) override;
  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;
  void Abort() override;
  bool Printing() const override;
  TCanvas& Canvas() override;
  // Landscape swaps widths and heights, resolutions and offsets.
  int32_t LogPixelsX() const override;
  int32_t LogPixelsY() const override;
  int32_t PhysicalWidth() const override;
  int32_t PhysicalHeight() const override;
  int32_t PhysicalOffsetX() const override;
  int32_t PhysicalOffsetY() const override;
  int32_t PageWidth() const override;
  int32_t PageHeight() const override;

  struct Job {
    TPrinterOrientation orientation;
    std::vector<RecordingCanvas> pages;
    bool ended = false;
    bool aborted = false;
    PrintSettings settings;  // those in force when the job began
  };
  std::vector<Job> Jobs;
  // "BeginDoc", "NewPage", "EndDoc", "Abort", "SetOrientation 0|1" in order.
  std::vector<std::string> Log;

 private:
  RecordingPrinterSetup setup_;
  TPrinterOrientation orientation_ = TPrinterOrientation::poPortrait;
  bool printing_ = false;
  RecordingCanvas idleCanvas_;
  // What Canvas() hands out: one object for the printer's life, drawing on
  // the current page's RecordingCanvas (idleCanvas_ outside a job).
  ForwardingCanvas canvas_;
};

}  // namespace platform
