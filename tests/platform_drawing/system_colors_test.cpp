#include "platform/drawing/system_colors.h"

#include <gtest/gtest.h>

#include <QColor>
#include <cstdint>

#include "canvas_pixels.h"
#include "platform/drawing/qt_drawing_tools.h"

namespace platform {
namespace {

// As a template stores it: clBtnFace is $FF00000F, written as a negative
// integer.
TColor FromTemplate(int32_t stored) { return static_cast<TColor>(stored); }

TEST(SystemColors, EverySchemeIndexGivesTheClassicColour) {
  // Written R, G, B, as colour pickers show them.
  const uint32_t classicRgb[] = {
      0xC0C0C0, 0x008080, 0x000080, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
      0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x000080, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
      0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xDFDFDF, 0x000000, 0xFFFFE1};
  for (uint32_t index = 0; index < std::size(classicRgb); ++index) {
    const uint32_t rgb = classicRgb[index];
    const TColor bgr = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    EXPECT_EQ(ResolveColor(0xFF000000 | index), bgr) << "index " << index;
    EXPECT_EQ(ResolveColor(0x80000000 | index), bgr) << "index " << index;
  }
}

TEST(SystemColors, NegativeValuesFromTemplatesAndOtherColours) {
  EXPECT_EQ(ResolveColor(FromTemplate(-16777208)), 0x000000u);  // clWindowText
  EXPECT_EQ(ResolveColor(FromTemplate(-16777211)), 0xFFFFFFu);  // clWindow
  EXPECT_EQ(ResolveColor(FromTemplate(-16777192)), 0xE1FFFFu);  // clInfoBk
  EXPECT_EQ(ResolveColor(FromTemplate(-16777203)), 0x800000u);  // clHighlight
  // Beyond the scheme: black, the whole low byte being the index.
  EXPECT_EQ(ResolveColor(0xFF000019), 0x000000u);
  EXPECT_EQ(ResolveColor(0xFFFFFFFF), 0x000000u);
  EXPECT_EQ(ResolveColor(0xFF000105), 0xFFFFFFu);
  // Plain colours pass; a high byte without the scheme bit is dropped.
  EXPECT_EQ(ResolveColor(0x00123456), 0x123456u);
  EXPECT_EQ(ResolveColor(0x1FFFFFFF), 0xFFFFFFu);
  EXPECT_EQ(ResolveColor(0x02FF0000), 0xFF0000u);
}

TEST(SystemColors, DrawnInTheSchemeColour) {
  EXPECT_EQ(ToQColor(0xFF00000D), QColor(0, 0, 128));
  EXPECT_EQ(ToQColor(0xFF000001), QColor(0, 128, 128));
  EXPECT_EQ(ToQColor(0x000000FF), QColor(255, 0, 0));
  const QImage image = tessel_test::Paint(5, 4, [](TCanvas& canvas) {
    canvas.Pen.Color = FromTemplate(-16777203);    // clHighlight
    canvas.Brush.Color = FromTemplate(-16777192);  // clInfoBk
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Rectangle(0, 0, 4, 4);
  });
  EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFFu, 0x000080u);
  EXPECT_EQ(image.pixel(1, 1) & 0xFFFFFFu, 0xFFFFE1u);
  EXPECT_EQ(image.pixel(4, 0) & 0xFFFFFFu, 0xFFFFFFu);
}

}  // namespace
}  // namespace platform
