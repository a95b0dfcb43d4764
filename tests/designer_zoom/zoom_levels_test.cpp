// The nine zoom levels: the label, the geometry at each level by the
// step-by-step rule, and the round trips that must find every object where
// it was.
#include <random>

#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "tests/designer_support/designer_fixture.h"
#include "tests/platform_controls/zoom_reference.h"

namespace tessel_test {
namespace {

class ZoomTest : public DesignerTest {
 protected:
  designer::TRegion* Region(platform::TWinControl* parent, platform::TBounds bounds) {
    form().SetMode(designer::kModeFixed);
    auto* region = dynamic_cast<designer::TRegion*>(form().PlaceObject(parent));
    region->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    return region;
  }
  designer::TStyledLabel* Label(platform::TWinControl* parent, int x, int y) {
    form().SetMode(designer::kModeText);
    form().FRegionGrabX = x;
    form().FRegionGrabY = y;
    return dynamic_cast<designer::TStyledLabel*>(form().PlaceObject(parent));
  }
  int Level() { return program().ZoomLevel; }
};

TEST_F(ZoomTest, LabelOfEveryLevelAndTheEnds) {
  designer::TForm1& f = form();
  const std::vector<std::string> labels = {"40", "55", "70", "85", "100", "115", "130", "145", "160"};
  f.SetZoom(-4);
  for (int level = -4; level <= 4; ++level) {
    f.SetZoom(level);
    EXPECT_EQ(Level(), level);
    EXPECT_EQ(f.zoomLabel->Caption(), labels[static_cast<std::size_t>(level + 4)]);
  }
  const platform::TBounds paper = f.ScrollBox2->Bounds();
  f.ZoomIn1Click(nullptr);
  EXPECT_EQ(Level(), 4);
  EXPECT_EQ(f.ScrollBox2->Bounds(), paper) << "zoom in at 4 changes nothing";
  f.SetZoom(-4);
  const platform::TBounds small = f.ScrollBox2->Bounds();
  f.ZoomOut1->Click();
  EXPECT_EQ(f.zoomLabel->Caption(), "40");
  EXPECT_EQ(f.ScrollBox2->Bounds(), small);
  f.SetZoom(5);
  f.SetZoom(-5);
  EXPECT_EQ(Level(), -4);
}

TEST_F(ZoomTest, StandardAndFullPage) {
  designer::TForm1& f = form();
  f.SetZoom(-1);
  f.Standard1->Click();
  EXPECT_EQ(f.zoomLabel->Caption(), "100");
  f.SetZoom(-1);
  f.FullPage1->Click();
  EXPECT_EQ(f.zoomLabel->Caption(), "40");
  EXPECT_EQ(Level(), -4);
}

TEST_F(ZoomTest, GeometryAtEveryLevelFollowsTheStepRule) {
  designer::TForm1& f = form();
  designer::TRegion* region = Region(f.REPORT, {37, 53, 611, 419});
  designer::TStyledLabel* label = Label(region, 100, 7);
  ASSERT_NE(label, nullptr);
  // The rule, step by step from level 0: left and top scaled, right and
  // bottom edges scaled, halves away from zero.
  auto step = [](platform::TBounds b, int m, int d) {
    auto mulDiv = [](int a, int mm, int dd) {
      const long long p = static_cast<long long>(a) * mm;
      return static_cast<int>(p >= 0 ? (p + dd / 2) / dd : -((-p + dd / 2) / dd));
    };
    platform::TBounds out;
    out.Left = mulDiv(b.Left, m, d);
    out.Top = mulDiv(b.Top, m, d);
    out.Width = mulDiv(b.Left + b.Width, m, d) - out.Left;
    out.Height = mulDiv(b.Top + b.Height, m, d) - out.Top;
    return out;
  };
  platform::TBounds expected = region->Bounds();
  for (int level = 1; level <= 4; ++level) {
    f.ZoomIn1Click(nullptr);
    expected = step(expected, 100, 85);
    EXPECT_EQ(region->Bounds(), expected) << "level " << level;
  }
  f.SetZoom(0);
  expected = region->Bounds();
  for (int level = -1; level >= -4; --level) {
    f.ZoomOut1Click(nullptr);
    expected = step(expected, 85, 100);
    EXPECT_EQ(region->Bounds(), expected) << "level " << level;
  }
  f.SetZoom(0);
  f.ZoomIn1Click(nullptr);
  EXPECT_EQ(label->Left(), 118);
  f.ZoomOut1Click(nullptr);
  EXPECT_EQ(label->Left(), 100);
}

TEST_F(ZoomTest, EveryWalkBackToALevelFindsEveryObjectAsItWas) {
  designer::TForm1& f = form();
  designer::TRegion* region = Region(f.REPORT, {13, 29, 597, 333});
  designer::TRegion* inner = Region(region, {7, 11, 101, 57});
  designer::TStyledLabel* label = Label(inner, 3, 5);
  std::mt19937 random(20261209);
  for (int start = -4; start <= 4; ++start) {
    f.SetZoom(start);
    const platform::TBounds a = region->Bounds(), b = inner->Bounds(), c = label->Bounds();
    const platform::TFont font = label->Font();
    for (int walk = 0; walk < 20; ++walk) {
      const int target = static_cast<int>(random() % 9) - 4;
      f.SetZoom(target);
    }
    f.SetZoom(start);
    EXPECT_EQ(region->Bounds(), a) << "level " << start;
    EXPECT_EQ(inner->Bounds(), b) << "level " << start;
    EXPECT_EQ(label->Bounds(), c) << "level " << start;
    EXPECT_EQ(label->Font(), font) << "level " << start;
  }
  f.SetZoom(0);
  EXPECT_EQ(inner->Bounds(), (platform::TBounds{7, 11, 101, 57}));
  EXPECT_EQ(label->Left(), 3);
}

TEST_F(ZoomTest, AnEditWhileZoomedKeepsItsGeometryThroughLaterZooming) {
  designer::TForm1& f = form();
  designer::TRegion* region = Region(f.REPORT, {0, 0, 600, 600});
  f.SetZoom(-2);
  region->SetLeft(61);
  const platform::TBounds atMinusTwo = region->Bounds();
  // 61 at level -2 is MulDiv(MulDiv(61, 100, 85), 100, 85) = MulDiv(72, 100, 85) = 85 at level 0.
  EXPECT_EQ(region->DesignBounds().Left, 85);
  f.SetZoom(3);
  f.SetZoom(-2);
  EXPECT_EQ(region->Bounds(), atMinusTwo);
  f.SetZoom(0);
  EXPECT_EQ(region->Left(), 85);
}

// The page at a level, step by step from level 0: the paper keeps its
// place and scales as a child placed there would, the report area scales as
// a child of the paper.
struct PageAtLevel {
  platform::TBounds paper, report;
};

PageAtLevel PageAt(int level) {
  return {zoom_reference::RefOwnAtLevel({39, 0, 850, 1100}, level),
          zoom_reference::RefAtLevel({25, 50, 800, 1000}, level)};
}

TEST_F(ZoomTest, EveryRoadBackToALevelGivesThatLevelsPageExactly) {
  designer::TForm1& f = form();
  Activate();
  ASSERT_EQ(Level(), -1);
  // The walk starts where the designer starts, and Standard and Full Page
  // are among its steps.
  std::mt19937 random(20260317);
  for (int walk = -1; walk < 200; ++walk) {
    switch (walk < 0 ? 4 : random() % 4) {
      case 0: f.ZoomIn1Click(nullptr); break;
      case 1: f.ZoomOut1Click(nullptr); break;
      case 2: f.Standard1->Click(); break;
      case 3: f.FullPage1->Click(); break;
    }
    const PageAtLevel expected = PageAt(Level());
    ASSERT_EQ(f.ScrollBox2->Bounds(), expected.paper) << "step " << walk << " level " << Level();
    ASSERT_EQ(f.REPORT->Bounds(), expected.report) << "step " << walk << " level " << Level();
  }
  f.SetZoom(-1);
  EXPECT_EQ(f.ScrollBox2->Bounds(), PageAt(-1).paper);
  EXPECT_EQ(f.REPORT->Bounds(), PageAt(-1).report);
}

TEST_F(ZoomTest, ScrollPositionsComeBackAndThePaperGoesToTheTop) {
  designer::TForm1& f = form();
  f.ScrollBox1->SetBounds(0, 0, 300, 300);
  f.ScrollBox1->SetVertPosition(120);
  const int vertical = f.ScrollBox1->VertPosition();
  f.ZoomIn1Click(nullptr);
  EXPECT_EQ(f.ScrollBox2->Top(), 0);
  EXPECT_EQ(f.ScrollBox1->VertPosition(), vertical);
}

}  // namespace
}  // namespace tessel_test
