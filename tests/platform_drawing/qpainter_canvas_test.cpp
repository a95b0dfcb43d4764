#include <gtest/gtest.h>

#include "canvas_pixels.h"
#include "platform/drawing/picture_impl.h"

namespace platform {
namespace {

using tessel_test::InkBounds;
using tessel_test::InkBox;
using tessel_test::Paint;
using tessel_test::Rows;

constexpr TColor kRed = 0x0000FF;  // $00BBGGRR
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kBlue = 0xFF0000;

void SolidBrush(TCanvas& canvas, TColor colour) {
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = colour;
}

TEST(CanvasFigures, RectangleLeavesOutRightAndBottomEdges) {
  const QImage image = Paint(10, 7, [](TCanvas& canvas) {
    SolidBrush(canvas, kRed);
    canvas.Rectangle(2, 1, 8, 5);
  });
  EXPECT_EQ(Rows(image),
            "..........\n"
            "..######..\n"
            "..#rrrr#..\n"
            "..#rrrr#..\n"
            "..######..\n"
            "..........\n"
            "..........\n");
}

TEST(CanvasFigures, PenOfWidthZeroDrawsOnePixel) {
  const QImage image = Paint(10, 7, [](TCanvas& canvas) {
    canvas.Pen.Width = 0;
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Rectangle(2, 1, 8, 5);
  });
  EXPECT_EQ(Rows(image),
            "..........\n"
            "..######..\n"
            "..#....#..\n"
            "..#....#..\n"
            "..######..\n"
            "..........\n"
            "..........\n");
}

TEST(CanvasFigures, ClearPenFillsOneEdgeLess) {
  const QImage image = Paint(10, 7, [](TCanvas& canvas) {
    canvas.Pen.Style = TPenStyle::psClear;
    SolidBrush(canvas, kRed);
    canvas.Rectangle(2, 1, 8, 5);
  });
  EXPECT_EQ(Rows(image),
            "..........\n"
            "..rrrrr...\n"
            "..rrrrr...\n"
            "..rrrrr...\n"
            "..........\n"
            "..........\n"
            "..........\n");
}

TEST(CanvasFigures, EllipseAndRoundRectStayInsideTheirBox) {
  const QImage ellipse = Paint(16, 12, [](TCanvas& canvas) { canvas.Ellipse(2, 2, 12, 9); });
  EXPECT_EQ(InkBounds(ellipse), (InkBox{2, 2, 12, 9}));
  EXPECT_EQ(ellipse.pixel(2, 2), 0xffffffffu);    // the box's corners stay clear
  EXPECT_EQ(ellipse.pixel(11, 8), 0xffffffffu);

  const QImage round = Paint(24, 20, [](TCanvas& canvas) { canvas.RoundRect(1, 1, 21, 17, 8, 8); });
  EXPECT_EQ(InkBounds(round), (InkBox{1, 1, 21, 17}));
  EXPECT_EQ(round.pixel(1, 1), 0xffffffffu);
  EXPECT_EQ(round.pixel(11, 1), 0xff000000u);
  EXPECT_EQ(round.pixel(20, 9), 0xff000000u);
}

TEST(CanvasFigures, InsideFramePenStaysInsideWhileSolidSpillsOver) {
  const auto frame = [](TPenStyle style) {
    return Paint(20, 16, [style](TCanvas& canvas) {
      canvas.Pen.Width = 4;
      canvas.Pen.Style = style;
      canvas.Brush.Style = TBrushStyle::bsClear;
      canvas.Rectangle(3, 3, 17, 13);
    });
  };
  const QImage inside = frame(TPenStyle::psInsideFrame);
  EXPECT_EQ(InkBounds(inside), (InkBox{3, 3, 17, 13}));
  EXPECT_EQ(inside.pixel(6, 8), 0xff000000u);  // the band is four pixels deep
  EXPECT_EQ(inside.pixel(7, 8), 0xffffffffu);
  const QImage solid = frame(TPenStyle::psSolid);
  EXPECT_LT(InkBounds(solid).left, 3);
  EXPECT_GT(InkBounds(solid).right, 17);
}

TEST(CanvasFigures, HatchBrushDrawsLinesInItsColourOnly) {
  const QImage image = Paint(16, 16, [](TCanvas& canvas) {
    canvas.Pen.Style = TPenStyle::psClear;
    canvas.Brush.Style = TBrushStyle::bsHorizontal;
    canvas.Brush.Color = kBlue;
    canvas.Rectangle(0, 0, 17, 17);
  });
  const std::string rows = Rows(image);
  EXPECT_NE(rows.find("bbbbbbbbbbbbbbbb"), std::string::npos);
  EXPECT_NE(rows.find("................"), std::string::npos);
  EXPECT_EQ(rows.find_first_not_of("b.\n"), std::string::npos);
}

TEST(CanvasLines, LineToLeavesOutItsEndPointWhicheverWayItRuns) {
  const QImage image = Paint(8, 8, [](TCanvas& canvas) {
    canvas.MoveTo(1, 1);
    canvas.LineTo(6, 1);
    canvas.MoveTo(6, 3);
    canvas.LineTo(1, 3);
    canvas.MoveTo(7, 1);
    canvas.LineTo(7, 6);
    canvas.MoveTo(0, 7);
    canvas.LineTo(0, 2);
  });
  EXPECT_EQ(Rows(image),
            "........\n"
            ".#####.#\n"
            ".......#\n"
            "#.######\n"
            "#......#\n"
            "#......#\n"
            "#.......\n"
            "#.......\n");
}

TEST(CanvasLines, WideDashedPenDrawsSolid) {
  const QImage image = Paint(40, 9, [](TCanvas& canvas) {
    canvas.Pen.Width = 3;
    canvas.Pen.Style = TPenStyle::psDash;
    canvas.MoveTo(4, 4);
    canvas.LineTo(34, 4);
  });
  for (int x = 4; x <= 34; ++x) {
    for (int y = 3; y <= 5; ++y) EXPECT_EQ(image.pixel(x, y), 0xff000000u) << x << "," << y;
  }
  EXPECT_EQ(image.pixel(20, 2), 0xffffffffu);
  EXPECT_EQ(image.pixel(20, 6), 0xffffffffu);
}

TEST(CanvasLines, ThinDashedGapsShowASolidBrushOnly) {
  const auto dashed = [](TBrushStyle brush) {
    return Paint(30, 1, [brush](TCanvas& canvas) {
      canvas.Pen.Style = TPenStyle::psDash;
      canvas.Brush.Style = brush;
      canvas.Brush.Color = kGreen;
      canvas.MoveTo(0, 0);
      canvas.LineTo(30, 0);
    });
  };
  EXPECT_EQ(Rows(dashed(TBrushStyle::bsClear)), "##################......######\n");
  EXPECT_EQ(Rows(dashed(TBrushStyle::bsSolid)), "##################gggggg######\n");
}

TEST(CanvasLines, ClearPenDrawsNothingButMoves) {
  const QImage image = Paint(8, 3, [](TCanvas& canvas) {
    canvas.Pen.Style = TPenStyle::psClear;
    canvas.MoveTo(0, 1);
    canvas.LineTo(4, 1);
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.LineTo(8, 1);
  });
  EXPECT_EQ(Rows(image), "........\n....####\n........\n");
}

TEST(CanvasModes, NotXorInvertsAndASecondPassRestores) {
  const auto box = [](int passes) {
    return Paint(6, 5, [passes](TCanvas& canvas) {
      SolidBrush(canvas, kRed);
      canvas.Rectangle(0, 0, 6, 5);
      canvas.Pen.Mode = TPenMode::pmNotXor;
      canvas.Brush.Style = TBrushStyle::bsClear;
      for (int i = 0; i < passes; ++i) canvas.Rectangle(1, 1, 5, 4);
    });
  };
  EXPECT_EQ(Rows(box(2)), Rows(box(0)));
  EXPECT_EQ(box(1).pixel(1, 1), qRgb(0, 255, 255));  // not (black xor red)
}

TEST(CanvasPictures, StretchDIBitsFillsTheRectangle) {
  QImage source(2, 2, QImage::Format_RGB32);
  source.setPixel(0, 0, 0xffff0000);
  source.setPixel(1, 0, 0xff00ff00);
  source.setPixel(0, 1, 0xff0000ff);
  source.setPixel(1, 1, 0xff000000);
  const Picture picture = PictureFromImage(source);
  const QImage image = Paint(8, 6, [&picture](TCanvas& canvas) {
    canvas.StretchDIBits(1, 1, 6, 4, picture);
    canvas.StretchDIBits(0, 0, 0, 4, picture);
    canvas.StretchDIBits(0, 0, 4, -4, picture);
  });
  EXPECT_EQ(Rows(image),
            "........\n"
            ".rrrggg.\n"
            ".rrrggg.\n"
            ".bbb###.\n"
            ".bbb###.\n"
            "........\n");
}

}  // namespace
}  // namespace platform
