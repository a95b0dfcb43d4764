// What a click places in each tool mode, where, how large and under which
// name, and the containers that refuse it.
#include "designer/objects/image_region.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"
#include "designer/objects/shape_region.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {
namespace {

using designer::kModeFixed;
using designer::kModeImage;
using designer::kModeNone;
using designer::kModeRepeat;
using designer::kModeRichText;
using designer::kModeShape;
using designer::kModeText;
using designer::kModeTitle;
using designer::kModeVariable;

class PlacementTest : public DesignerTest {
 protected:
  // A click in the mode at (x, y) of the target.
  platform::TControl* ClickAt(platform::TControl* target, int mode, int x, int y) {
    form().SetMode(mode);
    form().FRegionGrabX = x;
    form().FRegionGrabY = y;
    return form().PlaceObject(target);
  }
  designer::TRegion* FixedRegion(platform::TControl* target, int x = 10, int y = 10) {
    return dynamic_cast<designer::TRegion*>(ClickAt(target, kModeFixed, x, y));
  }
};

TEST_F(PlacementTest, FixedRegionTakesThreeQuartersOfTheReportAtTheMouse) {
  designer::TForm1& f = form();
  f.Fixed1Click(nullptr);
  EXPECT_EQ(f.ModeLabel->Caption(), "Fixed Reg");
  f.FRegionGrabX = 30;
  f.FRegionGrabY = 40;
  platform::TControl* placed = f.PlaceObject(f.REPORT);
  auto* region = dynamic_cast<designer::TRegion*>(placed);
  ASSERT_NE(region, nullptr);
  EXPECT_EQ(region->Name(), "Region1");
  EXPECT_EQ(region->Hint(), "Region1");
  EXPECT_EQ(region->Caption(), "");
  EXPECT_EQ(region->Bounds(), (platform::TBounds{30, 40, 600, 750}));
  EXPECT_EQ(region->RegionType, designer::TRegionType::fixedRegion);
  EXPECT_TRUE(region->MultiPage);
  EXPECT_TRUE(region->ParentColor());
  EXPECT_EQ(region->BevelOuter(), platform::TBevelCut::bvLowered);
  EXPECT_EQ(region->Parent(), f.REPORT);
  EXPECT_EQ(region->Owner(), f.REPORT);
  EXPECT_EQ(f.FMode, kModeNone);
  EXPECT_EQ(f.ModeLabel->Caption(), "");
  EXPECT_TRUE(f.FModified);
}

TEST_F(PlacementTest, ThreeQuartersRoundHalvesToEven) {
  designer::TRegion* outer = FixedRegion(form().REPORT);
  outer->SetBounds(0, 0, 10, 10);  // 7.5 rounds to 8
  designer::TRegion* inner = FixedRegion(outer);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->Width(), 8);
  outer->SetBounds(0, 0, 14, 6);  // 10.5 to 10, 4.5 to 4
  inner = FixedRegion(outer);
  EXPECT_EQ(inner->Width(), 10);
  EXPECT_EQ(inner->Height(), 4);
}

TEST_F(PlacementTest, TargetRule) {
  designer::TForm1& f = form();
  designer::TRegion* region = FixedRegion(f.REPORT);
  // Only fixed regions go directly on the report.
  for (int mode : {kModeTitle, kModeRepeat, kModeText, kModeRichText, kModeImage, kModeVariable, kModeShape}) {
    EXPECT_EQ(ClickAt(f.REPORT, mode, 5, 5), nullptr) << mode;
    EXPECT_EQ(f.FMode, mode) << "a refused click keeps the mode";
  }
  auto* label = ClickAt(region, kModeText, 5, 5);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(ClickAt(label, kModeText, 1, 1), nullptr);
  EXPECT_EQ(ClickAt(&f, kModeFixed, 1, 1), nullptr);
  // Image and rich-text regions hold no design objects.
  auto* image = ClickAt(region, kModeImage, 5, 5);
  auto* richText = ClickAt(region, kModeRichText, 200, 5);
  ASSERT_NE(image, nullptr);
  ASSERT_NE(richText, nullptr);
  for (int mode : {kModeFixed, kModeText, kModeVariable, kModeShape, kModeRepeat}) {
    EXPECT_EQ(ClickAt(image, mode, 1, 1), nullptr) << mode;
    EXPECT_EQ(ClickAt(richText, mode, 1, 1), nullptr) << mode;
  }
}

TEST_F(PlacementTest, OneRepeatRegionPerContainer) {
  designer::TForm1& f = form();
  designer::TRegion* region = FixedRegion(f.REPORT);
  auto* repeat = dynamic_cast<designer::TRegion*>(ClickAt(region, kModeRepeat, 5, 5));
  ASSERT_NE(repeat, nullptr);
  EXPECT_EQ(repeat->RegionType, designer::TRegionType::repeatRegion);
  EXPECT_TRUE(repeat->MultiPage);
  dialogs->ReplyButton(platform::mrOk);
  EXPECT_EQ(ClickAt(region, kModeRepeat, 50, 50), nullptr);
  EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{"Only one Repeat Region allowed"});
  EXPECT_EQ(f.FMode, kModeNone);
  // One nested a level deeper does not count.
  designer::TRegion* sibling = FixedRegion(region, 0, 0);
  ASSERT_NE(sibling, nullptr);
  EXPECT_NE(ClickAt(sibling, kModeRepeat, 1, 1), nullptr);
}

TEST_F(PlacementTest, TitleRegions) {
  designer::TForm1& f = form();
  designer::TRegion* region = FixedRegion(f.REPORT);
  f.SpeedButton12Click(nullptr);
  EXPECT_EQ(f.ModeLabel->Caption(), "Title Reg");
  f.FRegionGrabX = 4;
  f.FRegionGrabY = 4;
  auto* title = dynamic_cast<designer::TTitleRegion*>(f.PlaceObject(region));
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->RegionType, designer::TRegionType::titleRegion);
  EXPECT_FALSE(title->MultiPage);
  EXPECT_EQ(f.FMode, kModeNone);
  // Not into a title region, silently.
  EXPECT_EQ(ClickAt(title, kModeTitle, 1, 1), nullptr);
  EXPECT_EQ(f.FMode, kModeTitle);
  // Not a second one into the same container: the engine prints only the
  // first.
  dialogs->ReplyButton(platform::mrOk);
  EXPECT_EQ(ClickAt(region, kModeTitle, 1, 1), nullptr);
  EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{"Only one Title Region allowed"});
  EXPECT_EQ(f.FMode, kModeNone);
}

TEST_F(PlacementTest, TextLabelsTakeTheNextFreeNumber) {
  designer::TForm1& f = form();
  designer::TRegion* region = FixedRegion(f.REPORT);
  auto* taken = ClickAt(region, kModeVariable, 1, 1);
  ASSERT_NE(taken, nullptr);
  taken->SetName("TEXT2");
  f.Text1Click(nullptr);
  std::vector<std::string> names, captions;
  for (int i = 0; i < 3; ++i) {
    f.FRegionGrabX = 10 * i;
    auto* label = dynamic_cast<designer::TStyledLabel*>(f.PlaceObject(region));
    ASSERT_NE(label, nullptr);
    names.push_back(label->Name());
    captions.push_back(label->Caption());
    EXPECT_TRUE(label->Transparent());
    EXPECT_EQ(label->PopupMenu(), f.LabelPopup);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"TEXT1", "TEXT3", "TEXT4"}));
  EXPECT_EQ(captions, names);
  EXPECT_EQ(f.FMode, kModeText) << "text stays the tool";
  EXPECT_EQ(f.FTextCount, 4);
}

TEST_F(PlacementTest, PictureAndRichTextRegionSizesFollowTheTargetHeight) {
  designer::TForm1& f = form();
  designer::TRegion* region = FixedRegion(f.REPORT);
  region->SetBounds(0, 0, 500, 401);
  auto* image = dynamic_cast<designer::TImageRegion*>(ClickAt(region, kModeImage, 3, 4));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Bounds(), (platform::TBounds{3, 4, 120, 300}));
  EXPECT_EQ(image->Name(), "ImageRegion1");
  EXPECT_EQ(image->FFileLocation, "IMAGES");
  EXPECT_EQ(f.FMode, kModeNone);
  region->SetHeight(400);
  image = dynamic_cast<designer::TImageRegion*>(ClickAt(region, kModeImage, 3, 4));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Height(), 80);
  EXPECT_EQ(image->Name(), "ImageRegion2");
  program().ReportStyle.RtfDirectory = "..\\TEXTS";
  auto* richText = dynamic_cast<designer::TRichTextRegion*>(ClickAt(region, kModeRichText, 0, 0));
  ASSERT_NE(richText, nullptr);
  EXPECT_EQ(richText->Bounds(), (platform::TBounds{0, 0, 120, 80}));
  EXPECT_EQ(richText->Name(), "RichTextRegion1");
  EXPECT_EQ(richText->FFileLocation, "..\\TEXTS");
  EXPECT_EQ(richText->PopupMenu(), f.RichTextPopup);
}

TEST_F(PlacementTest, SystemVariable) {
  designer::TForm1& f = form();
  designer::TRegion* region = FixedRegion(f.REPORT);
  f.Date1Click(nullptr);
  EXPECT_EQ(f.ModeLabel->Caption(), "Variable");
  auto* variable = dynamic_cast<designer::TVariableLabel*>(f.PlaceObject(region));
  ASSERT_NE(variable, nullptr);
  EXPECT_EQ(variable->VariableType, designer::TVariableType::DateVar);
  EXPECT_EQ(variable->Name(), "VAR1");
  EXPECT_EQ(variable->Caption(), "VAR1");
  EXPECT_EQ(variable->HighlightWhen, designer::hlType::none);
  EXPECT_EQ(variable->MasterVariable, 0);
  EXPECT_TRUE(variable->IsSystemVariable());
  EXPECT_EQ(f.FMode, kModeVariable);
}

TEST_F(PlacementTest, ShapeKeepsItsMadeSize) {
  designer::TForm1& f = form();
  designer::TRegion* region = FixedRegion(f.REPORT);
  f.SpeedButton11Click(nullptr);
  f.FRegionGrabX = 7;
  f.FRegionGrabY = 9;
  auto* shape = dynamic_cast<designer::TShapeRegion*>(f.PlaceObject(region));
  ASSERT_NE(shape, nullptr);
  EXPECT_EQ(shape->Bounds(), (platform::TBounds{7, 9, 185, 41}));
  EXPECT_EQ(shape->Name(), "SHAPE1");
  EXPECT_EQ(shape->FillColor, 0xFFFFFF);
  EXPECT_EQ(shape->BevelOuter(), platform::TBevelCut::bvNone);
  EXPECT_EQ(f.FMode, kModeShape);
}

TEST_F(PlacementTest, LabelsBeforeRegionsInTheirContainer) {
  designer::TRegion* region = FixedRegion(form().REPORT);
  auto* inner = FixedRegion(region, 0, 0);
  auto* label = ClickAt(region, kModeText, 0, 0);
  auto* variable = ClickAt(region, kModeVariable, 0, 0);
  ASSERT_EQ(region->ControlCount(), 4);
  EXPECT_EQ(region->Controls(0), region->FPaintBox);
  EXPECT_EQ(region->Controls(1), label);
  EXPECT_EQ(region->Controls(2), variable);
  EXPECT_EQ(region->Controls(3), inner);
}

TEST_F(PlacementTest, PlacedWhileZoomedGetsTheGeometryTheStepsToLevelZeroGive) {
  designer::TForm1& f = form();
  designer::TRegion* region = FixedRegion(f.REPORT);
  f.SetZoom(-1);
  auto* label = ClickAt(region, kModeText, 85, 17);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Left(), 85);
  EXPECT_EQ(label->Top(), 17);
  // MulDiv(85, 100, 85) = 100, MulDiv(17, 100, 85) = 20.
  EXPECT_EQ(label->DesignBounds().Left, 100);
  EXPECT_EQ(label->DesignBounds().Top, 20);
  EXPECT_EQ(label->DesignFont().Size, 8);
  EXPECT_EQ(program().ZoomLevel, -1);
  auto* inner = FixedRegion(region, 17, 34);
  ASSERT_NE(inner, nullptr);
  f.SetZoom(0);
  EXPECT_EQ(inner->Left(), 20);
  EXPECT_EQ(inner->Top(), 40);
  EXPECT_EQ(label->Left(), 100);
}

}  // namespace
}  // namespace tessel_test
