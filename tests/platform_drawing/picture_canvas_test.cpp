#include <gtest/gtest.h>

#include "canvas_pixels.h"
#include "platform/drawing/picture_canvas.h"
#include "platform/drawing/picture_impl.h"
#include "platform/system/qt_application.h"

namespace platform {
namespace {

TEST(PictureCanvas, DrawsOntoThePicturesPixels) {
  EnsureApplication();
  QImage palette(6, 5, QImage::Format_Indexed8);
  palette.setColorTable({qRgb(255, 255, 255)});
  palette.fill(0);
  Picture picture = PictureFromImage(palette);
  const Picture untouched = picture;
  {
    PictureCanvas canvas(picture);
    canvas.Pen.Mode = TPenMode::pmNotXor;
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Rectangle(1, 1, 5, 4);
  }
  EXPECT_EQ(tessel_test::Rows(picture.impl().image),
            "......\n"
            ".####.\n"
            ".#..#.\n"
            ".####.\n"
            "......\n");
  EXPECT_EQ(untouched.impl().image.pixel(1, 1), qRgb(255, 255, 255));
}

TEST(PictureCanvas, AnEmptyPictureDrawsNothing) {
  Picture empty;
  PictureCanvas canvas(empty);
  canvas.Rectangle(0, 0, 10, 10);
  canvas.TextOut(0, 0, "x");
  EXPECT_TRUE(empty.Empty());
}

}  // namespace
}  // namespace platform
