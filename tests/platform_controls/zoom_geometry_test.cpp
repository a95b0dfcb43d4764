// Geometry at view scales: the scaling rule, zooming a container step by
// step over all nine levels and back, bounds set at a level, children that
// join or leave a scaled container, fonts, self-sizing labels and
// alignment.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/controls/scroll_box.h"
#include "tests/platform_controls/controls_test_support.h"
#include "tests/platform_controls/zoom_reference.h"

namespace {

using platform::TBounds;
using platform::TControl;
using platform::TLabel;
using platform::TPanel;
using platform::TScaleStep;
using zoom_reference::RefAtLevel;
using zoom_reference::RefOwnAtLevel;
using zoom_reference::RefScale;

// The design bounds that bounds set at a zoom level stand for.
TBounds RefDesignOf(TBounds shown, int level) {
  for (int i = 0; i < std::abs(level); ++i) shown = level > 0 ? RefScale(shown, 85, 100) : RefScale(shown, 100, 85);
  return shown;
}

void Zoom(TControl& root, int& level, int target) {
  while (level < target) {
    root.ScaleBy(100, 85);
    ++level;
  }
  while (level > target) {
    root.ScaleBy(85, 100);
    --level;
  }
}

TEST(ScalingRule, LeftAndTopScaleAndTheFarEdgesGiveTheSize) {
  EXPECT_EQ(platform::ScaleBounds({10, 10, 100, 50}, {{100, 85}}), (TBounds{12, 12, 117, 59}));
  EXPECT_EQ(platform::ScaleBounds({10, 10, 100, 50}, {{85, 100}}), (TBounds{9, 9, 85, 42}));
  // Halves go away from zero on both sides of it.
  EXPECT_EQ(platform::ScaleBounds({-17, 17, 2, 2}, {{1, 2}}), (TBounds{-9, 9, 1, 1}));
  EXPECT_EQ(platform::ScaleBounds({-3, 5, 0, 0}, {{1, 2}}), (TBounds{-2, 3, 0, 0}));
  // Steps are taken one after the other, each rounded.
  EXPECT_EQ(platform::ScaleBounds({0, 0, 3, 3}, {{100, 85}, {100, 85}}), (TBounds{0, 0, 5, 5}));
  // A control scaled itself keeps its place and takes the size a child
  // standing there would take: 598 - 8 and 402 - 11.
  EXPECT_EQ(platform::ScaleBounds({7, 9, 501, 333}, {{100, 85}}, true), (TBounds{7, 9, 590, 391}));
  EXPECT_EQ(platform::UnscaleBounds({12, 12, 117, 59}, {{100, 85}}), (TBounds{10, 10, 100, 50}));
  EXPECT_EQ(platform::ScaleValue(10, {{85, 100}}), 9);
  EXPECT_EQ(platform::ScaleValue(-10, {{85, 100}}), -9);
  EXPECT_EQ(platform::UnscaleValue(9, {{85, 100}}), 11);
}

class Zooming : public controls_test::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    paper_ = new TPanel(&owner_);
    paper_->SetBounds(7, 9, 613, 421);
    region_ = AddPanel(paper_, {13, 17, 301, 117});
    inner_ = AddPanel(region_, {3, 5, 47, 29});
    text_ = new TLabel(&owner_);
    text_->SetAutoSize(false);
    text_->SetBounds(33, 41, 71, 13);
    text_->SetParent(region_);
    far_ = AddPanel(paper_, {587, 391, 19, 23});
  }

  TPanel* AddPanel(TPanel* parent, TBounds bounds) {
    auto* panel = new TPanel(&owner_);
    panel->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    panel->SetParent(parent);
    return panel;
  }

  std::vector<TControl*> Children() const { return {region_, inner_, text_, far_}; }

  platform::TComponent owner_{nullptr};
  TPanel* paper_ = nullptr;
  TPanel* region_ = nullptr;
  TPanel* inner_ = nullptr;
  TLabel* text_ = nullptr;
  TPanel* far_ = nullptr;
  int level_ = 0;
};

TEST_F(Zooming, EveryLevelFollowsTheRuleAndReturnsExactly) {
  const TBounds paper = paper_->Bounds();
  std::vector<TBounds> designs;
  for (TControl* child : Children()) designs.push_back(child->Bounds());
  for (int target = -4; target <= 4; ++target) {
    Zoom(*paper_, level_, target);
    // The paper keeps its place and scales as a child standing there.
    EXPECT_EQ(paper_->Bounds(), RefOwnAtLevel(paper, target)) << target;
    for (std::size_t i = 0; i < designs.size(); ++i) {
      EXPECT_EQ(Children()[i]->Bounds(), RefAtLevel(designs[i], target)) << "level " << target << " child " << i;
      EXPECT_EQ(Children()[i]->DesignBounds(), designs[i]);
    }
    Zoom(*paper_, level_, 0);
    EXPECT_EQ(paper_->Bounds(), paper);
    for (std::size_t i = 0; i < designs.size(); ++i) EXPECT_EQ(Children()[i]->Bounds(), designs[i]) << target;
  }
}

TEST_F(Zooming, AnyRoadBackToALevelFindsTheSameBounds) {
  Zoom(*paper_, level_, 2);
  const TBounds atTwo = text_->Bounds();
  const TBounds farAtTwo = far_->Bounds();
  for (int stop : {4, -4, 1, 3, -1, 2}) Zoom(*paper_, level_, stop);
  EXPECT_EQ(text_->Bounds(), atTwo);
  EXPECT_EQ(far_->Bounds(), farAtTwo);
}

TEST_F(Zooming, BoundsSetAtALevelSetTheDesignTheInverseStepsGive) {
  for (int target : {-4, -3, -1, 1, 2, 4}) {
    Zoom(*paper_, level_, target);
    const TBounds wanted{37, 41, 103, 57};
    text_->SetBounds(wanted.Left, wanted.Top, wanted.Width, wanted.Height);
    const TBounds design = RefDesignOf(wanted, target);
    EXPECT_EQ(text_->DesignBounds(), design) << target;
    EXPECT_EQ(text_->Bounds(), RefAtLevel(design, target)) << target;
    // Zooming out is exact: what is set is what shows.
    if (target < 0) {
      EXPECT_EQ(text_->Bounds(), wanted) << target;
    }
    Zoom(*paper_, level_, 0);
    EXPECT_EQ(text_->Bounds(), design) << target;
  }
}

TEST_F(Zooming, SingleEdgesSetAtALevelKeepTheOthersInTheDesign) {
  const TBounds design = region_->Bounds();
  for (int target : {-2, -1, 3}) {
    Zoom(*paper_, level_, target);
    for (int by = 1; by <= 9; ++by) {
      region_->SetDesignBounds(design);
      const TBounds before = region_->Bounds();
      // Moved: the design keeps its size, whatever the rounding of the
      // new place.
      region_->SetLeft(before.Left + by);
      region_->SetTop(before.Top - by);
      // Only zooming out reaches every pixel.
      if (target < 0) {
        EXPECT_EQ(region_->Left(), before.Left + by);
        EXPECT_EQ(region_->Top(), before.Top - by);
      }
      EXPECT_EQ(region_->DesignBounds().Width, design.Width) << target << " " << by;
      EXPECT_EQ(region_->DesignBounds().Height, design.Height) << target << " " << by;
      EXPECT_EQ(region_->Bounds(), RefAtLevel(region_->DesignBounds(), target));
      // Sized from the far edge: the design keeps its place.
      const TBounds moved = region_->DesignBounds();
      region_->SetWidth(region_->Width() - by);
      region_->SetHeight(region_->Height() + by);
      EXPECT_EQ(region_->DesignBounds().Left, moved.Left);
      EXPECT_EQ(region_->DesignBounds().Top, moved.Top);
      EXPECT_EQ(region_->Bounds(), RefAtLevel(region_->DesignBounds(), target));
    }
  }
}

TEST_F(Zooming, AFreshControlTakesItsBoundsAsPixelsAtItsParentsScale) {
  Zoom(*paper_, level_, 2);
  auto* fresh = new TPanel(&owner_);
  fresh->SetBounds(20, 30, 101, 51);
  fresh->SetParent(region_);
  const TBounds design = RefDesignOf({20, 30, 101, 51}, 2);
  EXPECT_EQ(fresh->DesignBounds(), design);
  EXPECT_EQ(fresh->Bounds(), RefAtLevel(design, 2));
  EXPECT_EQ(fresh->ScaleSteps(), region_->ScaleSteps());
  Zoom(*paper_, level_, -1);
  EXPECT_EQ(fresh->Bounds(), RefAtLevel(design, -1));
  Zoom(*paper_, level_, 0);
  EXPECT_EQ(fresh->Bounds(), design);
}

TEST_F(Zooming, AControlMovedOutToAnUnscaledParentAndBackKeepsItsDesign) {
  Zoom(*paper_, level_, 3);
  const TBounds design = text_->DesignBounds();
  const TBounds shown = text_->Bounds();
  TPanel pad(nullptr);
  text_->SetParent(&pad);
  EXPECT_EQ(text_->Bounds(), design);
  text_->SetParent(nullptr);
  text_->SetParent(region_);
  EXPECT_EQ(text_->Bounds(), shown);
  EXPECT_EQ(text_->DesignBounds(), design);
}

TEST_F(Zooming, ThePaperMovedAtALevelKeepsItsOtherEdges) {
  Zoom(*paper_, level_, 1);
  const TBounds scaled = paper_->Bounds();
  paper_->SetTop(0);
  EXPECT_EQ(paper_->Bounds(), (TBounds{7, 0, scaled.Width, scaled.Height}));
  Zoom(*paper_, level_, 0);
  EXPECT_EQ(paper_->Bounds(), (TBounds{7, 0, 613, 421}));
}

TEST_F(Zooming, OwnFontsScaleByTheRuleAndParentFontsFollow) {
  region_->SetFont(platform::TFont{"ARIAL", 10, 0, 0});
  inner_->SetFont(platform::TFont{"ARIAL", 7, 0, 0});
  const int sizes[] = {6, 7, 8, 9, 10, 12, 14, 16, 19};  // levels -4..4, each step rounded
  for (int target = -4; target <= 4; ++target) {
    Zoom(*paper_, level_, target);
    EXPECT_EQ(region_->Font().Size, sizes[target + 4]) << target;
    EXPECT_EQ(text_->Font().Size, sizes[target + 4]) << target;
    EXPECT_EQ(region_->DesignFont().Size, 10);
    EXPECT_EQ(text_->DesignFont().Size, 10);
  }
  Zoom(*paper_, level_, -1);
  EXPECT_EQ(inner_->Font().Size, 6);  // 5.95
  // A size set at a level is a size at that level.
  Zoom(*paper_, level_, 2);
  region_->SetFontSize(14);
  EXPECT_EQ(region_->DesignFont().Size, 10);
  EXPECT_EQ(region_->Font().Size, 14);
  region_->SetFontSize(13);
  EXPECT_EQ(region_->DesignFont().Size, 9);
  EXPECT_EQ(region_->Font().Size, 13);
}

TEST_F(Zooming, GivingUpTheParentFontKeepsTheFontThatShowed) {
  region_->SetFont(platform::TFont{"ARIAL", 12, 0x0000FF, platform::fsBold});
  EXPECT_TRUE(text_->ParentFont());
  text_->SetParentFont(false);
  EXPECT_EQ(text_->DesignFont(), (platform::TFont{"ARIAL", 12, 0x0000FF, platform::fsBold}));
  region_->SetFontSize(20);
  EXPECT_EQ(text_->Font().Size, 12);
  text_->SetParentFont(true);
  EXPECT_EQ(text_->Font().Size, 20);
}

TEST_F(Zooming, SelfSizingLabelsMeasureInTheFontOfEachScale) {
  auto* label = new TLabel(&owner_);
  label->SetFont(platform::TFont{"ARIAL", 10, 0, 0});
  label->SetCaption("Monthly Sales Total");
  label->SetBounds(40, 50, 10, 10);
  label->SetParent(region_);
  const platform::TPoint design = platform::TextExtent(platform::TFont{"ARIAL", 10, 0, 0}, "Monthly Sales Total");
  EXPECT_EQ(label->Width(), design.X);
  EXPECT_EQ(label->Height(), design.Y);
  for (int target : {3, -2}) {
    Zoom(*paper_, level_, target);
    const platform::TPoint shown = platform::TextExtent(label->Font(), "Monthly Sales Total");
    EXPECT_EQ(label->Width(), shown.X) << target;
    EXPECT_EQ(label->Height(), shown.Y) << target;
    EXPECT_EQ(label->DesignBounds().Width, design.X) << target;
    EXPECT_EQ(label->DesignBounds().Height, design.Y) << target;
    // Moving it at this level changes neither size.
    label->SetLeft(label->Left() + 3);
    EXPECT_EQ(label->Width(), shown.X) << target;
    EXPECT_EQ(label->DesignBounds().Width, design.X) << target;
  }
  Zoom(*paper_, level_, 0);
  EXPECT_EQ(label->Width(), design.X);
  EXPECT_EQ(label->Bounds(), label->DesignBounds());
}

TEST_F(Zooming, EmptyAndAcceleratedCaptionsMeasureWhatShows) {
  auto* label = new TLabel(&owner_);
  label->SetParent(region_);
  label->SetCaption("");
  EXPECT_EQ(label->Width(), platform::TextExtent(label->Font(), " ").X);
  EXPECT_GT(label->Height(), 0);
  label->SetCaption("&Save && Quit");
  EXPECT_EQ(label->DisplayText(), "Save & Quit");
  label->SetShowAccelChar(false);
  EXPECT_EQ(label->DisplayText(), "&Save && Quit");
  EXPECT_EQ(label->Width(), platform::TextExtent(label->Font(), "&Save && Quit").X);
  label->SetCaption("two\r\nlines");
  EXPECT_EQ(label->Height(), 2 * platform::TextExtent(label->Font(), "x").Y);
}

TEST_F(Zooming, AScrollBoxMakesRoomForItsZoomedPaper) {
  auto form = controls_test::ShownForm();
  auto* outer = new platform::TScrollBox(form.get());
  outer->SetBounds(0, 0, 200, 150);
  outer->SetParent(form.get());
  paper_->SetParent(outer);
  QApplication::processEvents();
  EXPECT_EQ(outer->ClientWidget()->width(), 7 + 613);
  EXPECT_EQ(outer->ClientWidget()->height(), 9 + 421);
  Zoom(*paper_, level_, 2);
  QApplication::processEvents();
  EXPECT_EQ(outer->ClientWidget()->width(), 7 + paper_->Width());
  EXPECT_EQ(outer->ClientWidget()->height(), 9 + paper_->Height());
  outer->SetVertPosition(120);
  outer->SetHorzPosition(30);
  EXPECT_EQ(outer->VertPosition(), 120);
  EXPECT_EQ(outer->HorzPosition(), 30);
  // Positions inside stay those of the scrolled area.
  EXPECT_EQ(paper_->Left(), 7);
  EXPECT_EQ(outer->ControlAtPos({10, 12}, false), paper_);
  Zoom(*paper_, level_, 0);
  paper_->SetParent(nullptr);
}

// The designer's paper on a zoom step in: the report area grows first, so
// for a moment the box needs scroll bars, then the box grows past it. The
// scrolled area must fill the whole box again, or the viewport's own
// background shows in a strip at its right and bottom.
TEST_F(Zooming, AScrollBoxThatGrowsPastItsChildDropsItsScrollBars) {
  auto form = controls_test::ShownForm();
  auto* box = new platform::TScrollBox(form.get());
  box->SetBounds(0, 0, 200, 150);
  box->SetParent(form.get());
  auto* child = new TPanel(form.get());
  child->SetParent(box);
  child->SetBounds(10, 10, 180, 130);
  QApplication::processEvents();
  child->SetBounds(10, 10, 250, 200);
  QApplication::processEvents();
  box->SetBounds(0, 0, 300, 250);
  QApplication::processEvents();
  // The sunken frame takes two pixels on each side.
  EXPECT_EQ(box->ClientWidget()->width(), 300 - 4);
  EXPECT_EQ(box->ClientWidget()->height(), 250 - 4);
}

class Alignment : public controls_test::ControlsTest {};

TEST_F(Alignment, TopLeftAndClientShareTheAreaInsideTheBevels) {
  TPanel panel(nullptr);
  panel.SetBounds(0, 0, 200, 100);
  auto* client = new TPanel(&panel);
  client->SetParent(&panel);
  client->SetAlign(platform::TAlign::alClient);
  auto* top = new TPanel(&panel);
  top->SetHeight(20);
  top->SetParent(&panel);
  top->SetAlign(platform::TAlign::alTop);
  auto* left = new TPanel(&panel);
  left->SetWidth(30);
  left->SetParent(&panel);
  left->SetAlign(platform::TAlign::alLeft);
  // A raised outer bevel takes one pixel on every side.
  EXPECT_EQ(top->Bounds(), (TBounds{1, 1, 198, 20}));
  EXPECT_EQ(left->Bounds(), (TBounds{1, 21, 30, 78}));
  EXPECT_EQ(client->Bounds(), (TBounds{31, 21, 168, 78}));
  panel.SetBevelInner(platform::TBevelCut::bvLowered);
  EXPECT_EQ(top->Bounds(), (TBounds{2, 2, 196, 20}));
  EXPECT_EQ(client->Bounds(), (TBounds{32, 22, 166, 76}));
  panel.SetBevelOuter(platform::TBevelCut::bvNone);
  panel.SetBevelInner(platform::TBevelCut::bvNone);
  EXPECT_EQ(client->Bounds(), (TBounds{30, 20, 170, 80}));
  panel.SetBounds(0, 0, 300, 150);
  EXPECT_EQ(top->Bounds(), (TBounds{0, 0, 300, 20}));
  EXPECT_EQ(client->Bounds(), (TBounds{30, 20, 270, 130}));
  // Aligned children ignore the bounds they are given.
  client->SetBounds(5, 5, 10, 10);
  EXPECT_EQ(client->Bounds(), (TBounds{30, 20, 270, 130}));
  // A hidden child takes no room.
  top->Hide();
  EXPECT_EQ(client->Bounds(), (TBounds{30, 0, 270, 150}));
  top->Show();
  EXPECT_EQ(client->Bounds(), (TBounds{30, 20, 270, 130}));
}

TEST_F(Alignment, AClientAlignedChildFillsItsScaledParent) {
  TPanel paper(nullptr);
  paper.SetBounds(0, 0, 400, 300);
  paper.SetBevelOuter(platform::TBevelCut::bvNone);
  auto* region = new TPanel(&paper);
  region->SetBounds(10, 10, 101, 77);
  region->SetParent(&paper);
  auto* fill = new TPanel(&paper);
  fill->SetParent(region);
  fill->SetAlign(platform::TAlign::alClient);
  for (int i = 0; i < 3; ++i) {
    paper.ScaleBy(100, 85);
    EXPECT_EQ(fill->Bounds(), (TBounds{1, 1, region->Width() - 2, region->Height() - 2})) << i;
  }
  for (int i = 0; i < 3; ++i) paper.ScaleBy(85, 100);
  EXPECT_EQ(fill->Bounds(), (TBounds{1, 1, 99, 75}));
}

TEST_F(Alignment, AFormAlignsToTheClientAreaBeforeItIsShown) {
  platform::TForm form(nullptr);
  form.SetBounds(0, 0, 500, 400);
  auto* fill = new TPanel(&form);
  fill->SetParent(&form);
  fill->SetAlign(platform::TAlign::alClient);
  EXPECT_EQ(form.ClientWidth(), 500);
  EXPECT_EQ(form.ClientHeight(), 400);
  EXPECT_EQ(fill->Bounds(), (TBounds{0, 0, 500, 400}));
}

}  // namespace
