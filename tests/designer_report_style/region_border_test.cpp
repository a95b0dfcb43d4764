// Draw Border... of a region's popup: the region border dialog shows the
// region's border, previews the chosen sides 5 pixels inside its 207 x 135
// preview, and only OK stores the border into the region.
#include "designer/dialogs/region_style_form.h"
#include "designer/objects/regions.h"
#include "tests/designer_report_style/canvas_text.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {
namespace {

using Lines = std::vector<std::string>;

class RegionBorderTest : public DesignerTest {
 protected:
  using Person = std::function<void(designer::TRegionStyleForm& dialog)>;

  void SetUp() override {
    DesignerTest::SetUp();
    region_ = new designer::TRegion(form().REPORT);
    region_->SetName("Region1");
    region_->SetParent(form().REPORT);
    region_->SetBounds(20, 20, 300, 120);
    program().CurrentObject = region_;
  }

  void DrawBorder(Person person, const char* button) {
    modals->On("RegionStyleForm", [person, button](platform::TForm& shown) {
      auto& dialog = dynamic_cast<designer::TRegionStyleForm&>(shown);
      person(dialog);
      if (button) dynamic_cast<platform::TControl*>(dialog.FindComponent(button))->Click();
    });
    // The item of the fixed-region popup.
    MenuItem("DrawBorder1")->Click();
  }

  static Lines Drawn(designer::TRegionStyleForm& shown) { return CanvasText(shown.PaintBox1->Canvas().Calls); }

  designer::TRegion* region_ = nullptr;
};

TEST_F(RegionBorderTest, ShowsTheRegionsBorder) {
  region_->FBorder = designer::TBorderRecord{8 | 2, 3, 0xFF0000, 1};
  DrawBorder(
      [](designer::TRegionStyleForm& shown) {
        EXPECT_EQ(shown.Caption(), "Border Style");
        EXPECT_FALSE(shown.Loading());
        EXPECT_TRUE(shown.LeftCB->Checked());
        EXPECT_TRUE(shown.TopCB->Checked());
        EXPECT_FALSE(shown.RightCB->Checked());
        EXPECT_FALSE(shown.BottomCB->Checked());
        EXPECT_EQ(shown.penWidthEB->Text(), "3");
        EXPECT_EQ(shown.ComboBox1->Text(), "Dash");
        EXPECT_EQ(shown.PaintBox1->Width(), 207);
        EXPECT_EQ(shown.PaintBox1->Height(), 135);
        EXPECT_EQ(Drawn(shown), (Lines{"line 5,5-5,130 w3 s1 cFF0000", "line 5,5-202,5 w3 s1 cFF0000"}));
      },
      "BitBtn2");
}

TEST_F(RegionBorderTest, SidesAreRebuiltAndDrawnLeftRightTopBottom) {
  region_->FBorder = designer::TBorderRecord{0, 2, 0, 0};
  DrawBorder(
      [](designer::TRegionStyleForm& shown) {
        shown.BottomCB->Toggle();
        shown.RightCB->Toggle();
        shown.TopCB->Toggle();
        shown.LeftCB->Toggle();
        EXPECT_EQ(shown.WorkingBorder().Sides, 15);
        EXPECT_EQ(Drawn(shown), (Lines{"line 5,5-5,130 w2 s0 c000000", "line 202,5-202,130 w2 s0 c000000",
                                       "line 5,5-202,5 w2 s0 c000000", "line 5,130-202,130 w2 s0 c000000"}));
        shown.RightCB->Toggle();
        EXPECT_EQ(shown.WorkingBorder().Sides, 11);
      },
      "BitBtn1");
  EXPECT_EQ(region_->FBorder, (designer::TBorderRecord{11, 2, 0, 0}));
  EXPECT_TRUE(form().FModified);
}

TEST_F(RegionBorderTest, PenWidthStyleAndColour) {
  region_->FBorder = designer::TBorderRecord{8, 2, 0, 0};
  dialogs->Reply(platform::DialogReply{platform::mrOk, "", {}, 0x0000FF});
  DrawBorder(
      [](designer::TRegionStyleForm& shown) {
        shown.penWidthEB->SetText("6");
        shown.penWidthEB->SetText("-1");
        shown.ComboBox1->SelectByUser(4);
        shown.Button1->Click();
        EXPECT_EQ(Drawn(shown), (Lines{"line 5,5-5,130 w6 s4 c0000FF"}));
      },
      "BitBtn1");
  EXPECT_EQ(region_->FBorder, (designer::TBorderRecord{8, 6, 0x0000FF, 4}));
}

TEST_F(RegionBorderTest, CancelAndTheCloseBoxStoreNothing) {
  region_->FBorder = designer::TBorderRecord{15, 2, 0, 0};
  const auto uncheckAll = [](designer::TRegionStyleForm& shown) {
    for (platform::TCheckBox* side : {shown.LeftCB, shown.TopCB, shown.RightCB, shown.BottomCB}) side->Toggle();
    EXPECT_EQ(shown.WorkingBorder().Sides, 0);
    EXPECT_TRUE(Drawn(shown).empty());
  };
  DrawBorder(uncheckAll, "BitBtn2");
  EXPECT_EQ(region_->FBorder.Sides, 15);
  DrawBorder(
      [&](designer::TRegionStyleForm& shown) {
        uncheckAll(shown);
        shown.Close();
      },
      nullptr);
  DrawBorder(
      [&](designer::TRegionStyleForm& shown) {
        uncheckAll(shown);
        shown.PressCancel();
      },
      nullptr);
  EXPECT_EQ(region_->FBorder, (designer::TBorderRecord{15, 2, 0, 0}));
  EXPECT_FALSE(form().FModified);
}

TEST_F(RegionBorderTest, TheRegionsBorderIsRedrawnWhenBordersAreShown) {
  region_->FBorder = designer::TBorderRecord{0, 1, 0, 0};
  program().BordersShown = true;
  DrawBorder([](designer::TRegionStyleForm& shown) { shown.TopCB->Toggle(); }, "BitBtn1");
  const platform::RecordingCanvas& canvas = region_->FPaintBox->Canvas();
  ASSERT_EQ(canvas.Calls.size(), 2u);
  EXPECT_EQ(CanvasText(canvas.Calls),
            (Lines{"line 5,5-" + std::to_string(region_->FPaintBox->Width() - 5) + ",5 w1 s0 c000000"}));
  // Hidden borders are left alone.
  program().BordersShown = false;
  DrawBorder([](designer::TRegionStyleForm& shown) { shown.BottomCB->Toggle(); }, "BitBtn1");
  EXPECT_EQ(region_->FPaintBox->Canvas().Calls.size(), 2u);
}

TEST_F(RegionBorderTest, EachShowingStartsFromItsRegion) {
  auto* other = new designer::TRegion(form().REPORT);
  other->SetName("Region2");
  other->SetParent(form().REPORT);
  other->FBorder = designer::TBorderRecord{4, 7, 0, 5};
  region_->FBorder = designer::TBorderRecord{1, 2, 0, 0};
  DrawBorder([](designer::TRegionStyleForm& shown) { shown.LeftCB->Toggle(); }, "BitBtn2");
  program().CurrentObject = other;
  DrawBorder(
      [](designer::TRegionStyleForm& shown) {
        EXPECT_FALSE(shown.LeftCB->Checked());
        EXPECT_TRUE(shown.RightCB->Checked());
        EXPECT_FALSE(shown.BottomCB->Checked());
        EXPECT_EQ(shown.penWidthEB->Text(), "7");
        EXPECT_EQ(shown.ComboBox1->Text(), "Clear");
        EXPECT_EQ(shown.WorkingBorder(), (designer::TBorderRecord{4, 7, 0, 5}));
      },
      "BitBtn1");
  EXPECT_EQ(other->FBorder, (designer::TBorderRecord{4, 7, 0, 5}));
  EXPECT_EQ(region_->FBorder, (designer::TBorderRecord{1, 2, 0, 0}));
}

TEST_F(RegionBorderTest, NoRegionNoDialog) {
  delete region_;
  region_ = nullptr;
  ASSERT_EQ(program().CurrentObject.Get(), nullptr);
  MenuItem("DrawBorder1")->Click();
  EXPECT_TRUE(modals->Shown().empty());
}

}  // namespace
}  // namespace tessel_test
