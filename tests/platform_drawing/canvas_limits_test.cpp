#include <gtest/gtest.h>

#include <limits>

#include "canvas_pixels.h"
#include "platform/drawing/picture_impl.h"

namespace platform {
namespace {

constexpr int32_t kLow = std::numeric_limits<int32_t>::min();
constexpr int32_t kHigh = std::numeric_limits<int32_t>::max();

TEST(CanvasLimits, FiguresAtTheEndsOfTheCoordinateRangeStillCoverThePage) {
  const QImage image = tessel_test::Paint(50, 40, [](TCanvas& canvas) {
    canvas.Pen.Style = TPenStyle::psClear;
    canvas.Brush.Color = 0x0000FF;
    canvas.Rectangle(kLow, kLow, kHigh, kHigh);
  });
  EXPECT_EQ(tessel_test::Rows(image).find_first_not_of("r\n"), std::string::npos);
}

TEST(CanvasLimits, AbsurdPensFontsAndPicturesDrawWithoutFailing) {
  const QImage image = tessel_test::Paint(60, 60, [](TCanvas& canvas) {
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Pen.Width = kHigh;
    canvas.Pen.Style = TPenStyle::psInsideFrame;
    canvas.Rectangle(10, 10, 50, 50);  // the frame fills the whole box
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Ellipse(kLow, 5, kHigh, 100);
    canvas.MoveTo(kLow, kLow);
    canvas.LineTo(kHigh, kHigh);
    canvas.Pen.Width = 1;
    canvas.Pen.Style = TPenStyle::psDot;
    canvas.RoundRect(kLow, kLow, kHigh, kHigh, kHigh, kLow);
    canvas.Font.Size = kHigh;
    canvas.TextOut(kLow, kLow, "x");
    canvas.Font.Size = kLow;
    canvas.TextOut(0, 0, "y");
    QImage source(3, 3, QImage::Format_RGB32);
    source.fill(Qt::red);
    canvas.StretchDIBits(kLow, kLow, kHigh, kHigh, PictureFromImage(source));
  });
  EXPECT_EQ(image.width(), 60);
}

TEST(CanvasLimits, WideInsideFramePenFillsASmallBox) {
  const QImage image = tessel_test::Paint(12, 12, [](TCanvas& canvas) {
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Pen.Width = 1000000;
    canvas.Pen.Style = TPenStyle::psInsideFrame;
    canvas.Rectangle(2, 2, 10, 10);
  });
  EXPECT_EQ(tessel_test::InkBounds(image), (tessel_test::InkBox{2, 2, 10, 10}));
  EXPECT_EQ(image.pixel(5, 5), 0xff000000u);
}

}  // namespace
}  // namespace platform
