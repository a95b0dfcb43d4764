// Shape regions: what each setter stores and shows.
#include "designer/objects/shape_region.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {
namespace {

class ShapeRegionTest : public DesignerTest {
 protected:
  designer::TShapeRegion& Shape() {
    if (!shape_) {
      shape_ = new designer::TShapeRegion(form().REPORT);
      shape_->SetParent(form().REPORT);
    }
    return *shape_;
  }
  designer::TShapeRegion* shape_ = nullptr;
};

TEST_F(ShapeRegionTest, ANewShapeIsAWhiteRectangleWithABlackPen) {
  designer::TShapeRegion& shape = Shape();
  EXPECT_EQ(shape.Width(), 185);
  EXPECT_EQ(shape.Height(), 41);
  EXPECT_EQ(shape.Shape, 0);
  EXPECT_EQ(shape.FillColor, 0xFFFFFF);
  EXPECT_EQ(shape.BorderColor, 0);
  EXPECT_EQ(shape.BorderThickness, 1);
  EXPECT_EQ(shape.FShapeControl->Brush(), (platform::TBrush{0xFFFFFF, platform::TBrushStyle::bsSolid}));
  EXPECT_EQ(shape.FShapeControl->Pen().Width, 1);
  EXPECT_EQ(shape.FShapeControl->Pen().Color, 0u);
  EXPECT_FALSE(shape.FShapeControl->Enabled());
  ASSERT_EQ(shape.ControlCount(), 2);
  EXPECT_EQ(shape.Controls(0), shape.FPaintBox);
  EXPECT_EQ(shape.Controls(1), shape.FShapeControl);
}

TEST_F(ShapeRegionTest, FiguresAreAtLeastTwentyPixels) {
  designer::TShapeRegion& shape = Shape();
  shape.SetBounds(0, 0, 10, 10);
  shape.SetShape(designer::kEllipse);
  EXPECT_EQ(shape.Width(), 20);
  EXPECT_EQ(shape.Height(), 20);
  EXPECT_EQ(shape.FShapeControl->Shape(), platform::TShapeType::stEllipse);
  EXPECT_EQ(shape.FShapeControl->Align(), platform::TAlign::alClient);
}

TEST_F(ShapeRegionTest, VerticalLineIsItsPen) {
  designer::TShapeRegion& shape = Shape();
  shape.SetBounds(0, 0, 100, 12);
  shape.SetShape(designer::kVerticalLine);
  EXPECT_EQ(shape.Width(), 15);
  EXPECT_EQ(shape.Height(), 20);
  EXPECT_EQ(shape.FShapeControl->Align(), platform::TAlign::alLeft);
  EXPECT_EQ(shape.FShapeControl->Width(), 1);
  EXPECT_EQ(shape.BevelOuter(), platform::TBevelCut::bvLowered);
  shape.SetBorderThickness(4);
  EXPECT_EQ(shape.FShapeControl->Width(), 4);
  shape.SetFillColor(0x00FF00);
  EXPECT_EQ(shape.BorderColor, 0x00FF00);
  EXPECT_EQ(shape.FillColor, 0xFFFFFF) << "a line's colour is its pen";
  EXPECT_EQ(shape.FShapeControl->Pen().Color, 0x00FF00u);
}

TEST_F(ShapeRegionTest, HorizontalLine) {
  designer::TShapeRegion& shape = Shape();
  shape.SetBounds(0, 0, 12, 100);
  shape.SetShape(designer::kHorizontalLine);
  EXPECT_EQ(shape.Width(), 20);
  EXPECT_EQ(shape.Height(), 15);
  EXPECT_EQ(shape.FShapeControl->Align(), platform::TAlign::alTop);
  shape.SetBorderThickness(3);
  EXPECT_EQ(shape.FShapeControl->Height(), 3);
}

TEST_F(ShapeRegionTest, UnknownKindStoresTheNumberOnly) {
  designer::TShapeRegion& shape = Shape();
  const platform::TBounds before = shape.Bounds();
  shape.SetShape(7);
  EXPECT_EQ(shape.Shape, 7);
  EXPECT_EQ(shape.Bounds(), before);
  shape.SetFillColor(0x123456);
  EXPECT_EQ(shape.FillColor, 0xFFFFFF);
  EXPECT_EQ(shape.BorderColor, 0);
}

TEST_F(ShapeRegionTest, PatternsAndColours) {
  designer::TShapeRegion& shape = Shape();
  shape.SetFillPattern(6);
  shape.SetBorderPattern(2);
  shape.SetBorderColor(0x0000FF);
  EXPECT_EQ(shape.FShapeControl->Brush().Style, platform::TBrushStyle::bsCross);
  EXPECT_EQ(shape.FShapeControl->Pen().Style, platform::TPenStyle::psDot);
  EXPECT_EQ(shape.FShapeControl->Pen().Color, 0x0000FFu);
  shape.SetFillPattern(9);
  EXPECT_EQ(shape.FillPattern, 9) << "stored as given";
  EXPECT_EQ(shape.FShapeControl->Brush().Style, platform::TBrushStyle::bsSolid) << "drawn solid";
}

}  // namespace
}  // namespace tessel_test
