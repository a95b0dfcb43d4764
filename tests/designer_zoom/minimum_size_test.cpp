// The smallest size a region may be dragged to at a zoom level.
#include "designer/objects/regions.h"
#include "designer/objects/shape_region.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {
namespace {

class MinimumSizeTest : public DesignerTest {
 protected:
  void SetUp() override {
    DesignerTest::SetUp();
    form().SetMode(designer::kModeFixed);
    region_ = dynamic_cast<designer::TRegion*>(form().PlaceObject(form().REPORT));
    region_->SetBounds(10, 10, 200, 100);
  }
  // A Size drag: the click records the size, the drag sets it, the drag's
  // end checks it.
  void SizeTo(int width, int height) {
    form().SetMode(designer::kModeSize);
    form().PlaceObject(region_);
    region_->SetWidth(width);
    region_->SetHeight(height);
    form().testMinSize(region_, nullptr, 0, 0);
  }
  designer::TRegion* region_ = nullptr;
};

TEST_F(MinimumSizeTest, BelowTheMinimumSnapsBackWithTheMessage) {
  SizeTo(24, 100);
  EXPECT_EQ(region_->Width(), 200);
  EXPECT_EQ(form().tempLabel->Caption(), "Minimum Reached for this zoom level\n\rZoom in to make smaller");
  form().tempLabel->SetCaption("");
  SizeTo(25, 25);
  EXPECT_EQ(region_->Width(), 25);
  EXPECT_EQ(form().tempLabel->Caption(), "");
}

TEST_F(MinimumSizeTest, TheMinimumFallsAsTheZoomRises) {
  form().SetZoom(3);
  SizeTo(10, 10);
  EXPECT_EQ(region_->Width(), 10);
  EXPECT_EQ(region_->Height(), 10);
  SizeTo(9, 50);
  EXPECT_EQ(region_->Width(), 10) << "the size before this drag comes back";
}

TEST_F(MinimumSizeTest, AMoveNeverTripsIt) {
  // A horizontal line is 15 pixels high: at level -1 the minimum is 30.
  form().SetMode(designer::kModeShape);
  auto* line = dynamic_cast<designer::TShapeRegion*>(form().PlaceObject(region_));
  line->SetShape(designer::kHorizontalLine);
  form().SetZoom(-1);
  form().SetMode(designer::kModeMove);
  form().PlaceObject(line);
  line->SetLeft(40);
  form().testMinSize(line, nullptr, 0, 0);
  EXPECT_EQ(line->Left(), 40);
  EXPECT_EQ(form().tempLabel->Caption(), "");
}

TEST_F(MinimumSizeTest, ASizeAlreadyBelowIsNotUndone) {
  form().SetMode(designer::kModeShape);
  auto* line = dynamic_cast<designer::TShapeRegion*>(form().PlaceObject(region_));
  line->SetShape(designer::kVerticalLine);
  form().SetMode(designer::kModeSize);
  form().PlaceObject(line);
  line->SetHeight(60);
  form().testMinSize(line, nullptr, 0, 0);
  EXPECT_EQ(line->Height(), 60);
}

}  // namespace
}  // namespace tessel_test
