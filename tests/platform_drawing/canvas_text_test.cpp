#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "canvas_pixels.h"
#include "platform/drawing/qt_drawing_tools.h"
#include "platform/system/qt_application.h"

namespace platform {
namespace {

using tessel_test::InkBounds;
using tessel_test::Paint;

TFont Arial(int32_t size, uint8_t style = 0) {
  TFont font;
  font.Name = "ARIAL";
  font.Size = size;
  font.Style = style;
  return font;
}

TEST(CanvasFonts, PointSizesBecomeCharacterHeights) {
  EnsureApplication();
  EXPECT_EQ(ToQFont(Arial(10), 600).pixelSize(), 83);  // 10 x 600 / 72 = 83.3
  EXPECT_EQ(ToQFont(Arial(9), 96).pixelSize(), 12);
  EXPECT_EQ(ToQFont(Arial(15), 100).pixelSize(), 21);  // 20.83 rounds up
  EXPECT_EQ(ToQFont(Arial(0), 600).pixelSize(), 1);
  EXPECT_EQ(ToQFont(Arial(1000000), 600).pixelSize(), 20000);

  const QFont styled = ToQFont(Arial(10, fsBold | fsUnderline), 96);
  EXPECT_TRUE(styled.bold());
  EXPECT_FALSE(styled.italic());
  EXPECT_TRUE(styled.underline());
  EXPECT_FALSE(styled.strikeOut());
  const QFont other = ToQFont(Arial(10, fsItalic | fsStrikeOut), 96);
  EXPECT_TRUE(other.italic());
  EXPECT_TRUE(other.strikeOut());
}

TEST(CanvasFonts, ArialInAnyCaseReachesTheMetricCompatibleFace) {
  EnsureApplication();
  for (const char* name : {"ARIAL", "Arial", "arial"}) {
    TFont font = Arial(10);
    font.Name = name;
    EXPECT_EQ(QFontInfo(ToQFont(font, 96)).family(), QString("Liberation Sans")) << name;
  }
}

class CanvasText : public ::testing::Test {
 protected:
  void SetUp() override { EnsureApplication(); }

  QImage Text(TBrushStyle brush) {
    return Paint(120, 60, [brush](TCanvas& canvas) {
      canvas.Font = Arial(20);
      canvas.Brush.Style = brush;
      canvas.Brush.Color = 0x00FFFF;  // yellow
      canvas.TextOut(10, 12, "HM");
    });
  }
  QFontMetrics Metrics() { return QFontMetrics(ToQFont(Arial(20), 96)); }
};

TEST_F(CanvasText, SolidBrushPaintsTheWholeCell) {
  const QImage image = Text(TBrushStyle::bsSolid);
  const QFontMetrics metrics = Metrics();
  const int right = 10 + metrics.horizontalAdvance("HM");
  const int bottom = 12 + metrics.height();
  EXPECT_EQ(InkBounds(image), (tessel_test::InkBox{10, 12, right, bottom}));
  EXPECT_EQ(image.pixel(10, 12), qRgb(255, 255, 0));
  EXPECT_EQ(image.pixel(right - 1, bottom - 1), qRgb(255, 255, 0));
}

TEST_F(CanvasText, OtherBrushesLeaveTheCellClearAndTheTopOfTheCellIsAtY) {
  const QImage image = Text(TBrushStyle::bsClear);
  const QFontMetrics metrics = Metrics();
  const tessel_test::InkBox ink = InkBounds(image);
  EXPECT_EQ(image.pixel(10, 12), qRgb(255, 255, 255));
  // Capitals sit on the baseline, ascent pixels below the top of the cell,
  // and rise to about the cap height.
  EXPECT_NEAR(ink.bottom, 12 + metrics.ascent(), 1);
  EXPECT_NEAR(ink.top, 12 + metrics.ascent() - metrics.capHeight(), 1);
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.right, 10 + metrics.horizontalAdvance("HM"));
}

TEST_F(CanvasText, FontColourAndWindows1252Text) {
  const QImage image = Paint(120, 40, [](TCanvas& canvas) {
    canvas.Font = Arial(20);
    canvas.Font.Color = 0x0000FF;  // red
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.TextOut(2, 2, "\xC9t\xE9");  // "Été" in Windows-1252
  });
  const QFontMetrics metrics = Metrics();
  EXPECT_NEAR(InkBounds(image).right - 2, metrics.horizontalAdvance(QString::fromUtf8("Été")), 2);
  bool sawRed = false;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      EXPECT_EQ(qGreen(pixel), qBlue(pixel));  // only shades between red and white
      sawRed = sawRed || pixel == qRgb(255, 0, 0);
    }
  }
  EXPECT_TRUE(sawRed);
}

}  // namespace
}  // namespace platform
