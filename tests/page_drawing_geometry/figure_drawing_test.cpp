#include <gtest/gtest.h>

#include "engine/figure_drawing.h"
#include "tests/page_drawing_geometry/drawing_fixture.h"

namespace {

using namespace drawing_test;
using engine::kFixedRegion;
using engine::kReportStyle;
using engine::kShapeRegion;
using engine::kTitleRegion;
using Kind = platform::CanvasCall::Kind;
using platform::TBrushStyle;
using platform::TPenStyle;

using BorderTest = DrawingFixture;

TEST_F(BorderTest, NoSideLeavesThePenAndDrawsNothing) {
  canvas.Pen = {0x123456, 7, TPenStyle::psDot, platform::TPenMode::pmCopy};
  rcDefItem& region = Add(templateItems, "Box", kFixedRegion, Region(0, 5, 0xFF, 2));
  Draw(*Placed(region, {10, 20, 110, 220}));
  EXPECT_TRUE(canvas.Calls.empty());
  EXPECT_EQ(canvas.Pen, (platform::TPen{0x123456, 7, TPenStyle::psDot, platform::TPenMode::pmCopy}));
}

TEST_F(BorderTest, AllSidesTopLeftRightBottomWithTheRegionsPen) {
  rcDefItem& region = Add(templateItems, "Box", kFixedRegion, Region(15, 3, 0x0000FF, 1));
  Draw(*Placed(region, {10, 20, 110, 220}));
  EXPECT_EQ(LinesOf(canvas.Calls),
            (std::vector<std::string>{"MoveTo 10,20", "LineTo 110,20", "MoveTo 10,20", "LineTo 10,220",
                                      "MoveTo 110,20", "LineTo 110,220", "MoveTo 10,220", "LineTo 110,220"}));
  for (const CanvasCall& call : canvas.Calls) {
    EXPECT_EQ(call.pen.Width, 3);
    EXPECT_EQ(call.pen.Color, 0x0000FFu);
    EXPECT_EQ(call.pen.Style, TPenStyle::psDash);
  }
  // Colour and style come back after the item; the width stays as set.
  EXPECT_EQ(canvas.Pen.Color, 0u);
  EXPECT_EQ(canvas.Pen.Style, TPenStyle::psSolid);
  EXPECT_EQ(canvas.Pen.Width, 3);
}

TEST_F(BorderTest, OnlyTheSelectedSidesInTheirOrder) {
  // Engine bits: 2 right, 8 bottom.
  rcDefItem& region = Add(templateItems, "Box", kFixedRegion, Region(2 | 8));
  Draw(*Placed(region, {0, 0, 50, 40}));
  EXPECT_EQ(LinesOf(canvas.Calls),
            (std::vector<std::string>{"MoveTo 50,0", "LineTo 50,40", "MoveTo 0,40", "LineTo 50,40"}));
}

TEST_F(BorderTest, TitleRegionAndReportFrameUseTheirOwnBorders) {
  engine::rcTitleRegion title;
  title.BorderSides = 4;  // top
  title.BorderThickness = 2;
  rcDefItem& titleItem = Add(templateItems, "Title", kTitleRegion, std::move(title));
  engine::rcReport report;
  report.BorderSides = 1;  // left
  report.BorderThickness = 4;
  report.BorderColor = 0xC0C0C0;
  report.BorderPenStyle = 5;
  rcDefItem& frame = Add(templateItems, "Report Style", kReportStyle, report);

  Draw(*Placed(titleItem, {5, 6, 7, 8}));
  Draw(*Placed(frame, {50, 50, 840, 1090}));
  EXPECT_EQ(LinesOf(canvas.Calls),
            (std::vector<std::string>{"MoveTo 5,6", "LineTo 7,6", "MoveTo 50,50", "LineTo 50,1090"}));
  EXPECT_EQ(canvas.Calls[1].pen.Width, 2);
  EXPECT_EQ(canvas.Calls[3].pen.Width, 4);
  EXPECT_EQ(canvas.Calls[3].pen.Color, 0xC0C0C0u);
  EXPECT_EQ(canvas.Calls[3].pen.Style, TPenStyle::psClear);
}

TEST_F(BorderTest, ScaledToThePrinterAndNormalised) {
  rcDefItem& region = Add(templateItems, "Box", kFixedRegion, Region(4 | 1));
  // Right < Left and Bottom < Top, as a negative WIDTH/HEIGHT would place it.
  Draw(*Placed(region, {250, 330, 150, 200}), {6.0, 6.0, 100, 120});
  EXPECT_EQ(LinesOf(canvas.Calls),
            (std::vector<std::string>{"MoveTo 800,1080", "LineTo 1400,1080", "MoveTo 800,1080", "LineTo 800,1860"}));
}

using ShapeTest = DrawingFixture;

TEST_F(ShapeTest, RoundRectCornerIsTheLargerEighth) {
  rcDefItem& shape = Add(templateItems, "S", kShapeRegion, Shape(1, 0x00FF00, 0, 2, 0x0000FF, 3));
  Draw(*Placed(shape, {100, 100, 180, 500}));  // 80 x 400
  ASSERT_EQ(canvas.Calls.size(), 1u);
  const CanvasCall& call = canvas.Calls[0];
  EXPECT_EQ(call.kind, Kind::RoundRect);
  EXPECT_EQ(call.rect, (TRect{100, 100, 180, 500}));
  EXPECT_EQ(call.extra1, 50);
  EXPECT_EQ(call.extra2, 50);
  EXPECT_EQ(call.pen.Width, 2);
  EXPECT_EQ(call.pen.Color, 0x0000FFu);
  EXPECT_EQ(call.pen.Style, TPenStyle::psDashDot);
  EXPECT_EQ(call.brush, (platform::TBrush{0x00FF00, TBrushStyle::bsSolid}));
  // The brush and pen colour and style are put back afterwards.
  EXPECT_EQ(canvas.Brush, platform::TBrush{});
  EXPECT_EQ(canvas.Pen.Color, 0u);
  EXPECT_EQ(canvas.Pen.Style, TPenStyle::psSolid);
}

TEST_F(ShapeTest, CornerTruncatesAndTakesTheWidthWhenWider) {
  rcDefItem& shape = Add(templateItems, "S", kShapeRegion, Shape(1, 0, 0));
  Draw(*Placed(shape, {0, 0, 95, 30}));
  ASSERT_EQ(canvas.Calls.size(), 1u);
  EXPECT_EQ(canvas.Calls[0].extra1, 11);
  EXPECT_EQ(canvas.Calls[0].extra2, 11);
}

TEST_F(ShapeTest, RectangleAndEllipseOnTheWholeRect) {
  rcDefItem& box = Add(templateItems, "R", kShapeRegion, Shape(0, 0xFFFF00, 6));
  rcDefItem& oval = Add(templateItems, "E", kShapeRegion, Shape(2, 0, 1));
  Draw(*Placed(box, {1, 2, 3, 4}));
  Draw(*Placed(oval, {5, 6, 7, 8}));
  ASSERT_EQ(canvas.Calls.size(), 2u);
  EXPECT_EQ(canvas.Calls[0].kind, Kind::Rectangle);
  EXPECT_EQ(canvas.Calls[0].rect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(canvas.Calls[0].brush, (platform::TBrush{0xFFFF00, TBrushStyle::bsCross}));
  EXPECT_EQ(canvas.Calls[1].kind, Kind::Ellipse);
  EXPECT_EQ(canvas.Calls[1].rect, (TRect{5, 6, 7, 8}));
  EXPECT_EQ(canvas.Calls[1].brush.Style, TBrushStyle::bsClear);
}

TEST_F(ShapeTest, VerticalLineIsTheLeftEdgeOnly) {
  rcDefItem& shape = Add(templateItems, "S", kShapeRegion, Shape(3, 0, 0, 4));
  Draw(*Placed(shape, {10, 20, 60, 90}));
  EXPECT_EQ(LinesOf(canvas.Calls), (std::vector<std::string>{"MoveTo 10,20", "LineTo 10,90"}));
  EXPECT_EQ(canvas.Calls.size(), 2u);
  EXPECT_EQ(canvas.Calls[1].pen.Width, 4);
}

TEST_F(ShapeTest, HorizontalLineIsTheTopEdgeOnly) {
  rcDefItem& shape = Add(templateItems, "S", kShapeRegion, Shape(4, 0, 0));
  Draw(*Placed(shape, {10, 20, 60, 90}));
  EXPECT_EQ(LinesOf(canvas.Calls), (std::vector<std::string>{"MoveTo 10,20", "LineTo 60,20"}));
  EXPECT_EQ(canvas.Calls.size(), 2u);
}

TEST_F(ShapeTest, UnknownShapeDrawsNothing) {
  rcDefItem& shape = Add(templateItems, "S", kShapeRegion, Shape(9, 0, 0));
  Draw(*Placed(shape, {10, 20, 60, 90}));
  EXPECT_TRUE(canvas.Calls.empty());
}

}  // namespace
