#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/page_drawing.h"
#include "platform/printing/printer.h"

namespace engine {
namespace {

constexpr int32_t kUnitsPerInch = 100;

int32_t ClampToInt32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// Trunc(value x scale). A scale that is a whole number of pixels per inch over
// 100 is applied in integers: 0.72 (72 ppi) is not exact in binary, and
// 100 x 0.72 must still come out as 72, not 71.
int64_t TruncScaled(int32_t value, double scale) {
  const double perHundred = scale * kUnitsPerInch;
  const double wholePerHundred = std::nearbyint(perHundred);
  if (std::fabs(perHundred - wholePerHundred) < 1e-9 &&
      std::fabs(wholePerHundred) < 1e9) {
    return static_cast<int64_t>(value) * static_cast<int64_t>(wholePerHundred) / kUnitsPerInch;
  }
  const double product = static_cast<double>(value) * scale;
  if (std::isnan(product)) return 0;
  return static_cast<int64_t>(std::clamp(std::trunc(product), -9.0e18, 9.0e18));
}

int32_t ToDevice(int32_t value, double scale, int32_t offset) {
  return ClampToInt32(TruncScaled(value, scale) - static_cast<int64_t>(offset));
}

}  // namespace

TPrinterMetrics GetPrinterMetrics() {
  const platform::TPrinter& printer = platform::Printer();
  TPrinterMetrics metrics;
  metrics.unitsPerInchX = kUnitsPerInch;
  metrics.unitsPerInchY = kUnitsPerInch;
  metrics.pixelsPerInchX = printer.LogPixelsX();
  metrics.pixelsPerInchY = printer.LogPixelsY();
  metrics.physicalOffsetX = printer.PhysicalOffsetX();
  metrics.physicalOffsetY = printer.PhysicalOffsetY();
  metrics.physicalWidth = printer.PhysicalWidth();
  metrics.physicalHeight = printer.PhysicalHeight();
  metrics.scaleX = static_cast<double>(metrics.pixelsPerInchX) / metrics.unitsPerInchX;
  metrics.scaleY = static_cast<double>(metrics.pixelsPerInchY) / metrics.unitsPerInchY;
  return metrics;
}

platform::TRect ScaleRectToDevice(const platform::TRect& rect, int32_t offsetX, int32_t offsetY,
                                  double scaleX, double scaleY) {
  return {ToDevice(rect.Left, scaleX, offsetX), ToDevice(rect.Top, scaleY, offsetY),
          ToDevice(rect.Right, scaleX, offsetX), ToDevice(rect.Bottom, scaleY, offsetY)};
}

}  // namespace engine
