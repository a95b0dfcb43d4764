// InParentChain through PARENT names, and the collision test it feeds.
#include <gtest/gtest.h>

#include "engine/layout_geometry.h"
#include "tests/pagination/layout_trees.h"

namespace layout_test {
namespace {

using engine::CollidesOnPage;
using engine::InParentChain;

class ParentChain : public ::testing::Test {
 protected:
  void SetUp() override {
    outer_ = &AddFixed(root_, "Outer", "REPORT", {0, 0, 800, 1000});
    inner_ = &AddFixed(Inside(*outer_), "Inner", "Outer", {0, 0, 800, 500});
    rows_ = &AddRepeat(Inside(*inner_), "Rows", "Inner", {0, 100, 800, 100});
    label_ = &AddLabel(Inside(*inner_), "Side", "Inner", {0, 0, 50, 20});
  }

  // A placed item of a template item at an absolute rectangle.
  std::unique_ptr<engine::TPlacedItem> Placed(rcDefItem& item, TRect rect) {
    auto placed = std::make_unique<engine::TPlacedItem>();
    placed->ownedEntry = std::make_unique<TInstancePair>();
    placed->ownedEntry->item = &item;
    placed->entry = placed->ownedEntry.get();
    placed->rect = rect;
    return placed;
  }

  TemplateList root_;
  rcDefItem* outer_ = nullptr;
  rcDefItem* inner_ = nullptr;
  rcDefItem* rows_ = nullptr;
  rcDefItem* label_ = nullptr;
};

TEST_F(ParentChain, FollowsParentNamesUpToTheReport) {
  EXPECT_TRUE(InParentChain(root_, *rows_, "Inner"));
  EXPECT_TRUE(InParentChain(root_, *rows_, "Outer"));
  EXPECT_FALSE(InParentChain(root_, *rows_, "Rows"));
  // The name is compared before "REPORT" ends the chain.
  EXPECT_TRUE(InParentChain(root_, *rows_, "REPORT"));
  EXPECT_FALSE(InParentChain(root_, *rows_, "Elsewhere"));
}

TEST_F(ParentChain, ReportStyleIsEveryonesContainer) {
  EXPECT_TRUE(InParentChain(root_, *rows_, "Report Style"));
  EXPECT_TRUE(InParentChain(root_, *label_, "Report Style"));
  EXPECT_FALSE(InParentChain(root_, *label_, "Inner"));  // only regions have a chain
}

TEST_F(ParentChain, ParentThatNamesNothingOrNoContainerEndsTheChain) {
  rcDefItem& lost = AddRepeat(Inside(*inner_), "Lost", "Nowhere", {});
  EXPECT_FALSE(InParentChain(root_, lost, "Outer"));
  rcDefItem& odd = AddRepeat(Inside(*inner_), "Odd", "Side", {});
  EXPECT_TRUE(InParentChain(root_, odd, "Side"));
  EXPECT_FALSE(InParentChain(root_, odd, "Inner"));
}

TEST_F(ParentChain, CycleOfParentsEndsFalse) {
  AddFixed(root_, "A", "B", {});
  AddFixed(root_, "B", "A", {});
  rcDefItem& start = AddRepeat(root_, "Start", "A", {});
  EXPECT_TRUE(InParentChain(root_, start, "B"));
  EXPECT_FALSE(InParentChain(root_, start, "C"));
}

TEST_F(ParentChain, ContainerCollidesOnlyWhenTheCandidateSticksOutBelow) {
  engine::TPage page;
  page.push_back(Placed(*inner_, {50, 50, 850, 550}));
  EXPECT_FALSE(CollidesOnPage(root_, page, *rows_, {50, 400, 850, 550}));
  EXPECT_TRUE(CollidesOnPage(root_, page, *rows_, {50, 450, 850, 551}));
  // Even far above and to the side: only the bottom counts.
  EXPECT_FALSE(CollidesOnPage(root_, page, *rows_, {2000, -500, 2100, 0}));
}

TEST_F(ParentChain, StaticLabelToTheLeftThatStartsLowerCollides) {
  engine::TPage page;
  page.push_back(Placed(*label_, {50, 100, 140, 120}));
  // Never meets the candidate horizontally, starts below its top and
  // overlaps its height.
  EXPECT_TRUE(CollidesOnPage(root_, page, *rows_, {150, 50, 850, 150}));
  // Starting above the candidate's top, or wholly below it: no collision.
  EXPECT_FALSE(CollidesOnPage(root_, page, *rows_, {150, 100, 850, 200}));
  EXPECT_FALSE(CollidesOnPage(root_, page, *rows_, {150, 90, 850, 100}));
}

TEST_F(ParentChain, FirstCollisionOnAPageDecides) {
  engine::TPage page;
  page.push_back(Placed(*outer_, {50, 50, 850, 1050}));
  page.push_back(Placed(*label_, {50, 1100, 140, 1120}));
  EXPECT_FALSE(CollidesOnPage(root_, page, *rows_, {50, 900, 850, 1000}));
  EXPECT_TRUE(CollidesOnPage(root_, page, *rows_, {50, 1000, 850, 1100}));
  EXPECT_TRUE(CollidesOnPage(root_, page, *rows_, {50, 1050, 850, 1150}));
}

}  // namespace
}  // namespace layout_test
