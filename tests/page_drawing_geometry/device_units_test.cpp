#include <gtest/gtest.h>

#include <climits>

#include "engine/page_drawing.h"
#include "platform/printing/recording_printer.h"

namespace {

using engine::ScaleRectToDevice;
using platform::TRect;

TEST(ScaleRectToDevice, PrinterOf600PpiWithOffsets) {
  EXPECT_EQ(ScaleRectToDevice({150, 200, 250, 330}, 100, 120, 6.0, 6.0), (TRect{800, 1080, 1400, 1860}));
}

TEST(ScaleRectToDevice, TruncatesTowardZeroBeforeTheOffset) {
  // 1/100 inch at 150 ppi is 1.5 pixels: 3 -> 4.5 -> 4, -3 -> -4.5 -> -4.
  EXPECT_EQ(ScaleRectToDevice({3, -3, 1, -1}, 0, 0, 1.5, 1.5), (TRect{4, -4, 1, -1}));
  EXPECT_EQ(ScaleRectToDevice({3, -3, 1, -1}, 10, -10, 1.5, 1.5), (TRect{-6, 6, -9, 9}));
}

TEST(ScaleRectToDevice, WholePixelsPerInchComeOutExact) {
  // 0.72 and 0.29 are not exact in binary; a whole inch must still be whole.
  EXPECT_EQ(ScaleRectToDevice({100, 100, 99, 1000}, 0, 0, 72 / 100.0, 29 / 100.0), (TRect{72, 29, 71, 290}));
  EXPECT_EQ(ScaleRectToDevice({-100, 0, 0, 0}, 0, 0, 72 / 100.0, 1.0), (TRect{-72, 0, 0, 0}));
}

TEST(ScaleRectToDevice, ExtremeValuesClampInsteadOfWrapping) {
  const TRect device = ScaleRectToDevice({INT_MAX, INT_MIN, 0, 0}, INT_MIN, INT_MAX, 6.0, 6.0);
  EXPECT_EQ(device.Left, INT_MAX);
  EXPECT_EQ(device.Top, INT_MIN);
  EXPECT_EQ(device.Right, INT_MAX);  // 0 - INT_MIN
  EXPECT_EQ(device.Bottom, -INT_MAX);
}

class PrinterMetricsTest : public ::testing::Test {
 protected:
  void TearDown() override { platform::SetPrinter(previous_); }
  void Install(platform::TPrinter& printer) { previous_ = platform::SetPrinter(&printer); }
  platform::TPrinter* previous_ = nullptr;
};

TEST_F(PrinterMetricsTest, ReadFromThePrinter) {
  platform::RecordingPrinter printer({.pixelsPerInchX = 600, .pixelsPerInchY = 300,
                                      .physicalWidth = 5100, .physicalHeight = 3300,
                                      .offsetX = 100, .offsetY = 60});
  Install(printer);
  const engine::TPrinterMetrics metrics = engine::GetPrinterMetrics();
  EXPECT_EQ(metrics.unitsPerInchX, 100);
  EXPECT_EQ(metrics.unitsPerInchY, 100);
  EXPECT_EQ(metrics.pixelsPerInchX, 600);
  EXPECT_EQ(metrics.pixelsPerInchY, 300);
  EXPECT_EQ(metrics.physicalWidth, 5100);
  EXPECT_EQ(metrics.physicalHeight, 3300);
  EXPECT_EQ(metrics.physicalOffsetX, 100);
  EXPECT_EQ(metrics.physicalOffsetY, 60);
  EXPECT_DOUBLE_EQ(metrics.scaleX, 6.0);
  EXPECT_DOUBLE_EQ(metrics.scaleY, 3.0);
}

TEST_F(PrinterMetricsTest, FollowTheOrientation) {
  platform::RecordingPrinter printer({.pixelsPerInchX = 600, .pixelsPerInchY = 300,
                                      .physicalWidth = 5100, .physicalHeight = 3300,
                                      .offsetX = 100, .offsetY = 60});
  Install(printer);
  printer.SetOrientation(platform::TPrinterOrientation::poLandscape);
  const engine::TPrinterMetrics metrics = engine::GetPrinterMetrics();
  EXPECT_EQ(metrics.pixelsPerInchX, 300);
  EXPECT_EQ(metrics.physicalWidth, 3300);
  EXPECT_EQ(metrics.physicalOffsetX, 60);
  EXPECT_DOUBLE_EQ(metrics.scaleX, 3.0);
}

}  // namespace
