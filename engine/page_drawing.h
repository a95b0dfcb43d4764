#pragma once
// Page drawing: the page list on the printer or the preview's page bitmap,
// through any TCanvas.
#include <cstdint>

#include "engine/page_layout.h"
#include "platform/drawing/canvas.h"
#include "platform/drawing/geometry.h"

namespace engine {

enum class TargetKind : uint8_t { Preview = 0, Printer = 1 };

struct TPrinterMetrics {
  int32_t unitsPerInchX = 100;
  int32_t unitsPerInchY = 100;
  int32_t pixelsPerInchX = 0;
  int32_t pixelsPerInchY = 0;
  int32_t physicalWidth = 0;
  int32_t physicalHeight = 0;
  int32_t physicalOffsetX = 0;
  int32_t physicalOffsetY = 0;
  double scaleX = 0;
  double scaleY = 0;
};

TPrinterMetrics GetPrinterMetrics();

// Trunc(value x scale) - offset on each coordinate, computed in 64 bits.
platform::TRect ScaleRectToDevice(const platform::TRect& rect, int32_t offsetX, int32_t offsetY,
                                  double scaleX, double scaleY);
void OffsetPlacedItem(TPlacedItem& item, int32_t dy, const platform::TPoint& point);
void OffsetRectByPoint(const platform::TPoint& point, platform::TRect& rect);

// With TargetKind::Printer the canvas is taken from the printer once its job
// has started; pass nullptr.
void SelectTarget(TargetKind kind, platform::TCanvas* canvas);
// The preview bitmap's size, read by the rich-text rendering in the preview.
void SetPreviewPageSize(int32_t width, int32_t height);

void DrawPage(int32_t pageIndex);
void PrintAllPages();
void DrawOnePage(int32_t pageNumber);

}  // namespace engine
