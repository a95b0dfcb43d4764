// The fixed and repeat region popups: Maximize Region, Toggle Absolute and
// Allow Multiple Pages.
#include "tests/designer_properties/properties_fixture.h"

namespace tessel_test {
namespace {

using RegionCommandsTest = PropertiesTest;

TEST_F(RegionCommandsTest, MaximizeFillsTheContainerInsideItsMargins) {
  designer::TRegion* outer = FixedRegion();
  outer->SetBounds(40, 50, 400, 300);
  auto* inner = Place<designer::TRegion>(outer, designer::kModeFixed, 70, 80);
  inner->SetBounds(70, 80, 100, 60);
  Pick(inner);
  dialogs->ReplyButton(platform::mrNo);
  Choose("SizeRegionToPage1");
  EXPECT_EQ(inner->Bounds(), (platform::TBounds{70, 80, 100, 60})) << "No changes nothing";
  const platform::DialogRequest& asked = LastRequest();
  EXPECT_EQ(asked.text, "Maximize Region?");
  EXPECT_EQ(asked.type, platform::TMsgDlgType::mtConfirmation);
  EXPECT_EQ(asked.buttons, platform::mbYesNo);

  dialogs->ReplyButton(platform::mrYes);
  Choose("SizeRegionToPage1");
  EXPECT_EQ(inner->Bounds(), (platform::TBounds{25, 25, 350, 250}));
}

TEST_F(RegionCommandsTest, MaximizeOfARepeatRegionToo) {
  designer::TRegion* outer = FixedRegion();
  outer->SetBounds(0, 0, 300, 200);
  auto* repeat = Place<designer::TRegion>(outer, designer::kModeRepeat, 3, 3);
  Pick(repeat);
  dialogs->ReplyButton(platform::mrYes);
  Choose("SizeRegionToPage2");
  EXPECT_EQ(repeat->Bounds(), (platform::TBounds{25, 25, 250, 150}));
}

TEST_F(RegionCommandsTest, MaximizeInASmallContainerLeavesTheMinimumSize) {
  // The margins of 25 on each side leave nothing of a 40-pixel container;
  // a negative size would be written into the template.
  designer::TRegion* outer = FixedRegion();
  outer->SetBounds(0, 0, 40, 60);
  auto* inner = Place<designer::TRegion>(outer, designer::kModeFixed, 1, 1);
  Pick(inner);
  dialogs->ReplyButton(platform::mrYes);
  Choose("SizeRegionToPage1");
  EXPECT_EQ(inner->Bounds(), (platform::TBounds{25, 25, 25, 25}));

  // The minimum follows the zoom: 15 pixels at level 2.
  form().SetZoom(2);
  outer->SetBounds(0, 0, 40, 120);
  dialogs->ReplyButton(platform::mrYes);
  Choose("SizeRegionToPage1");
  EXPECT_EQ(inner->Left(), 25);
  EXPECT_EQ(inner->Width(), 15);
  EXPECT_EQ(inner->Height(), 70);
}

TEST_F(RegionCommandsTest, ToggleAbsoluteTellsThenFlips) {
  designer::TRegion* region = FixedRegion();
  EXPECT_EQ(region->FAbsolute, 0);
  Pick(region);
  dialogs->ReplyButton(platform::mrOk);
  Choose("ToggleAbsolute1");
  EXPECT_EQ(region->FAbsolute, 1);
  dialogs->ReplyButton(platform::mrOk);
  Choose("ToggleAbsolute1");
  EXPECT_EQ(region->FAbsolute, 0);
  EXPECT_EQ(dialogs->Messages(),
            (std::vector<std::string>{"Region1 will not be fixed.", "Region1 will be fixed."}));
  EXPECT_EQ(dialogs->Requests().front().buttons, platform::mbOK);
}

TEST_F(RegionCommandsTest, AllowMultiplePagesShowsAndFlipsTheRegionsOwnSetting) {
  designer::TRegion* left = FixedRegion();
  left->SetBounds(0, 0, 200, 200);
  designer::TRegion* right = FixedRegion();
  right->SetBounds(300, 0, 200, 200);
  auto* first = Place<designer::TRegion>(left, designer::kModeRepeat, 5, 5);
  auto* second = Place<designer::TRegion>(right, designer::kModeRepeat, 5, 5);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  platform::TMenuItem* item = form().AllowMultiplePages1;
  EXPECT_TRUE(item->Checked());

  second->MultiPage = false;  // as a template may hold it
  form().PrepareRepeatPopup(second);
  EXPECT_FALSE(item->Checked()) << "the menu opens with the region's setting";
  Pick(second);
  Choose("AllowMultiplePages1");
  EXPECT_TRUE(second->MultiPage);
  EXPECT_TRUE(item->Checked());
  EXPECT_TRUE(first->MultiPage);

  // Even when the menu was not prepared, the click flips the region's own
  // setting, not what another region left on the item.
  Pick(first);
  Choose("AllowMultiplePages1");
  EXPECT_FALSE(first->MultiPage);
  EXPECT_FALSE(item->Checked());
  form().PrepareRepeatPopup(second);
  EXPECT_TRUE(item->Checked());
  Pick(second);
  Choose("AllowMultiplePages1");
  EXPECT_FALSE(second->MultiPage);
  EXPECT_FALSE(first->MultiPage);
}

}  // namespace
}  // namespace tessel_test
