#include "platform/printing/device_values.h"

#include <QPageLayout>
#include <QRect>

namespace platform {

DeviceValues DeviceValuesOf(const QPageLayout& layout, int32_t pixelsPerInch) {
  const QRect sheet = layout.fullRectPixels(pixelsPerInch);
  const QRect printable = layout.paintRectPixels(pixelsPerInch);
  DeviceValues values;
  values.pixelsPerInchX = values.pixelsPerInchY = pixelsPerInch;
  values.physicalWidth = sheet.width();
  values.physicalHeight = sheet.height();
  values.offsetX = printable.left();
  values.offsetY = printable.top();
  values.pageWidth = printable.width();
  values.pageHeight = printable.height();
  return values;
}

}  // namespace platform
