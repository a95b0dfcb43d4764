#pragma once
// TCanvas over a QPainter, used for printer pages (PDF or CUPS) and for the
// preview's page bitmap. "ARIAL"/"Arial" reach a metric-compatible face
// (Liberation Sans) through fontconfig.
#include <memory>

#include "platform/drawing/canvas.h"

class QPainter;

namespace platform {

class QPainterCanvas : public TCanvas {
 public:
  // The painter must outlive the canvas. logicalDpiY is the resolution at
  // which point sizes become pixels.
  QPainterCanvas(QPainter& painter, int32_t logicalDpiY);
  ~QPainterCanvas() override;

  void TextOut(int32_t x, int32_t y, const std::string& ansiText) override;
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                 int32_t cornerWidth, int32_t cornerHeight) override;
  void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void StretchDIBits(int32_t x, int32_t y, int32_t width, int32_t height,
                     const Picture& picture) override;
  int32_t FormatRichText(const RichTextDocument& document, const TRect& rect,
                         int32_t resolutionX, int32_t resolutionY, int32_t firstChar) override;

  QPainter& painter() { return painter_; }

 private:
  QPainter& painter_;
  int32_t dpiY_;
  TPoint penPos_;
  // False only inside a process whose Qt application object cannot hold
  // fonts; text is then left out rather than aborting the process.
  bool fontsUsable_ = false;
  // Reports draw thousands of texts in a handful of fonts; making the Qt
  // font and its metrics anew for each one doubled the cost of a page.
  struct FontCache;
  std::unique_ptr<FontCache> fontCache_;
};

}  // namespace platform
