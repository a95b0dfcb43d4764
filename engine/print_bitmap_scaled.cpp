#include "engine/print_bitmap_scaled.h"

#include <algorithm>
#include <cmath>

#include "engine/class_library_round.h"
#include "engine/engine_state.h"
#include "platform/drawing/picture.h"
#include "platform/drawing/picture_section.h"
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

// A picture blown up far past the sheet (PrintScale 100000) would be drawn
// millions of pixels wide, a page no reader can open. What the sheet cannot
// hold is cut away first, so that the paper shows the same: the picture's
// pixels that reach the sheet are drawn whole, each where it would have
// been; where a single pixel is larger than a few device pixels, the part on
// the sheet is drawn from samples every few device pixels instead.
void DrawOnSheet(platform::TPrinter& printer, const ScaledPlacement& placed,
                 const platform::Picture& picture) {
  if (placed.width <= 0 || placed.height <= 0) return;
  const int64_t sheetLeft = -static_cast<int64_t>(printer.PhysicalOffsetX());
  const int64_t sheetTop = -static_cast<int64_t>(printer.PhysicalOffsetY());
  const int64_t sheetRight = sheetLeft + printer.PhysicalWidth();
  const int64_t sheetBottom = sheetTop + printer.PhysicalHeight();
  const int64_t right = int64_t{placed.x} + placed.width;
  const int64_t bottom = int64_t{placed.y} + placed.height;
  if (placed.x >= sheetLeft && placed.y >= sheetTop && right <= sheetRight && bottom <= sheetBottom) {
    printer.Canvas().StretchDIBits(placed.x, placed.y, placed.width, placed.height, picture);
    return;
  }
  const int64_t visibleLeft = std::max<int64_t>(placed.x, sheetLeft);
  const int64_t visibleTop = std::max<int64_t>(placed.y, sheetTop);
  const int64_t visibleRight = std::min(right, sheetRight);
  const int64_t visibleBottom = std::min(bottom, sheetBottom);
  if (visibleLeft >= visibleRight || visibleTop >= visibleBottom) return;
  // Device pixels per picture pixel, and the visible part in picture pixels.
  const double perColumn = static_cast<double>(placed.width) / picture.Width();
  const double perRow = static_cast<double>(placed.height) / picture.Height();
  const platform::PictureArea area{static_cast<double>(visibleLeft - placed.x) / perColumn,
                                   static_cast<double>(visibleTop - placed.y) / perRow,
                                   static_cast<double>(visibleRight - placed.x) / perColumn,
                                   static_cast<double>(visibleBottom - placed.y) / perRow};
  constexpr double kLargestWholePixel = 16.0;
  constexpr int64_t kDevicePixelsPerSample = 4;
  if (perColumn > kLargestWholePixel || perRow > kLargestWholePixel) {
    const auto samples = [](int64_t length) {
      return static_cast<int32_t>((length + kDevicePixelsPerSample - 1) / kDevicePixelsPerSample);
    };
    printer.Canvas().StretchDIBits(
        static_cast<int32_t>(visibleLeft), static_cast<int32_t>(visibleTop),
        static_cast<int32_t>(visibleRight - visibleLeft), static_cast<int32_t>(visibleBottom - visibleTop),
        platform::SampledPictureArea(picture, area, samples(visibleRight - visibleLeft),
                                     samples(visibleBottom - visibleTop)));
    return;
  }
  const auto whole = [](double at, bool up, int32_t limit) {
    return static_cast<int32_t>(std::clamp(up ? std::ceil(at) : std::floor(at), 0.0, static_cast<double>(limit)));
  };
  const platform::TRect section{whole(area.left, false, picture.Width()), whole(area.top, false, picture.Height()),
                                whole(area.right, true, picture.Width()), whole(area.bottom, true, picture.Height())};
  const auto deviceX = [&](int32_t column) { return static_cast<int32_t>(std::llround(placed.x + column * perColumn)); };
  const auto deviceY = [&](int32_t row) { return static_cast<int32_t>(std::llround(placed.y + row * perRow)); };
  const int32_t left = deviceX(section.Left);
  const int32_t top = deviceY(section.Top);
  printer.Canvas().StretchDIBits(left, top, deviceX(section.Right) - left, deviceY(section.Bottom) - top,
                                 platform::PictureSection(picture, section));
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
  DrawOnSheet(printer, placed, picture);
  job.End();
}

}  // namespace engine
