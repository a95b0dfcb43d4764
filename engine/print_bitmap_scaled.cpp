#include "engine/print_bitmap_scaled.h"

#include <cmath>

#include "engine/class_library_round.h"
#include "engine/engine_state.h"
#include "platform/drawing/picture.h"
#include "platform/printing/printer.h"

namespace engine {
namespace {

// The platform's MulDiv: a x b / c in 64 bits, rounded half away from zero.
int64_t MulDiv(int64_t a, int64_t b, int64_t c) {
  const int64_t product = a * b;
  const int64_t half = c / 2;
  return (product >= 0) == (c > 0) ? (product + (c > 0 ? half : -half)) / c
                                   : (product - (c > 0 ? half : -half)) / c;
}

}  // namespace

ScaledPlacement ComputeScaledPlacement(int32_t srcWidth, int32_t srcHeight, int32_t pageWidth,
                                       int32_t pageHeight, int32_t printScale, int32_t position) {
  // A negative scale would mirror the picture; it prints as 0, an empty page.
  const double scale = (printScale < 0 ? 0 : printScale) * 0.01;
  ScaledPlacement placed;
  placed.width = Round(static_cast<double>(MulDiv(srcWidth, pageHeight, srcHeight)) * scale);
  if (placed.width < pageWidth) {
    placed.height = Round(pageHeight * scale);
  } else {
    placed.width = Round(pageWidth * scale);
    placed.height = Round(static_cast<double>(MulDiv(srcHeight, pageWidth, srcWidth)) * scale);
  }
  if (position == 0) {
    placed.x = Round(pageWidth * 0.5 - placed.width * 0.5);
    placed.y = Round(pageHeight * 0.5 - placed.height * 0.5);
  }
  return placed;
}

void PrintBitmapScaled(const platform::Picture& picture, int32_t printScale, int32_t position) {
  if (picture.Width() <= 0 || picture.Height() <= 0) {
    ShowMessage("Tessel: The picture to print has no width or height.  ");
    return;
  }
  platform::TPrinter& printer = platform::Printer();
  platform::PrintJob job(printer);
  const ScaledPlacement placed =
      ComputeScaledPlacement(picture.Width(), picture.Height(), printer.PageWidth(),
                             printer.PageHeight(), printScale, position);
  printer.Canvas().StretchDIBits(placed.x, placed.y, placed.width, placed.height, picture);
  job.End();
}

}  // namespace engine
