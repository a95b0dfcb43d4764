#pragma once
// A printer whose pages are painted for real, through QPainterCanvas, into
// a page picture at 100 pixels per inch: the painting a PDF or paper job does,
// at a fraction of the cost, so that fuzzing reaches Qt's drawing with every
// picture, shape and text a hostile template can make.
#include <QPainter>
#include <cstdint>
#include <memory>

#include "platform/drawing/forwarding_canvas.h"
#include "platform/drawing/qpainter_canvas.h"
#include "platform/printing/printer.h"

namespace tessel_fuzz {

class RasterPrinter : public platform::TPrinter {
 public:
  RasterPrinter();
  ~RasterPrinter() override;

  void SetOrientation(platform::TPrinterOrientation orientation) override;
  platform::TPrinterOrientation Orientation() const override;
  void SetTitle(const std::string& ansiTitle) override;
  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;
  void Abort() override;
  bool Printing() const override;
  platform::TCanvas& Canvas() override;
  int32_t LogPixelsX() const override;
  int32_t LogPixelsY() const override;
  int32_t PhysicalWidth() const override;
  int32_t PhysicalHeight() const override;
  int32_t PhysicalOffsetX() const override;
  int32_t PhysicalOffsetY() const override;
  int32_t PageWidth() const override;
  int32_t PageHeight() const override;

  int32_t JobsEnded() const { return jobsEnded_; }
  int32_t PagesPainted() const { return pagesPainted_; }

 private:
  void EndPainting();
  bool Landscape() const;

  platform::TPrinterOrientation orientation_ = platform::TPrinterOrientation::poPortrait;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<platform::QPainterCanvas> pageCanvas_;
  platform::ForwardingCanvas canvas_;
  int32_t jobsEnded_ = 0;
  int32_t pagesPainted_ = 0;
};

}  // namespace tessel_fuzz
