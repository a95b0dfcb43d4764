#pragma once
// The GetDeviceCaps values of a page layout at a resolution, in device
// pixels: the whole sheet, where the printable area starts, and its size.
#include <cstdint>

class QPageLayout;

namespace platform {

struct DeviceValues {
  int32_t pixelsPerInchX = 0, pixelsPerInchY = 0;
  int32_t physicalWidth = 0, physicalHeight = 0;
  int32_t offsetX = 0, offsetY = 0;
  int32_t pageWidth = 0, pageHeight = 0;
};

DeviceValues DeviceValuesOf(const QPageLayout& layout, int32_t pixelsPerInch);

}  // namespace platform
