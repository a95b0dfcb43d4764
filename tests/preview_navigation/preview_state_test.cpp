// Paging and zoom rules of the preview, without a window.
#include <gtest/gtest.h>

#include "engine/preview_state.h"

namespace engine {
namespace {

TEST(PreviewPaging, OpensOnPageOneOfNWithBothButtonsAsDesigned) {
  PreviewState state(5, 850, 1100);
  EXPECT_EQ(state.CurrentPage(), 1);
  EXPECT_EQ(state.LastPage(), 5);
  EXPECT_EQ(state.StatusText(), "Page 1 of 5");
  EXPECT_TRUE(state.PrevEnabled());
  EXPECT_TRUE(state.NextEnabled());
}

TEST(PreviewPaging, NoPagesStillShowsPageOneOfOne) {
  PreviewState state(0, 850, 1100);
  EXPECT_EQ(state.StatusText(), "Page 1 of 1");
}

TEST(PreviewPaging, PreviousOnFirstPageStaysAndDisablesPrevious) {
  PreviewState state(5, 850, 1100);
  state.GoPrevious();
  EXPECT_EQ(state.CurrentPage(), 1);
  EXPECT_FALSE(state.PrevEnabled());
  EXPECT_TRUE(state.NextEnabled());
}

TEST(PreviewPaging, NextInOnePagePreviewKeepsPageAndDisablesBoth) {
  PreviewState state(1, 850, 1100);
  state.GoNext();
  EXPECT_EQ(state.CurrentPage(), 1);
  EXPECT_FALSE(state.PrevEnabled());
  EXPECT_FALSE(state.NextEnabled());
}

TEST(PreviewPaging, WalksToBothEnds) {
  PreviewState state(3, 850, 1100);
  state.GoNext();
  state.GoNext();
  state.GoNext();
  EXPECT_EQ(state.CurrentPage(), 3);
  EXPECT_FALSE(state.NextEnabled());
  EXPECT_TRUE(state.PrevEnabled());
  state.GoFirst();
  EXPECT_EQ(state.CurrentPage(), 1);
  state.GoLast();
  EXPECT_EQ(state.StatusText(), "Page 3 of 3");
}

TEST(PreviewPageBox, NumbersOutOfRangeAreCorrected) {
  PreviewState state(5, 850, 1100);
  auto seven = state.EditChanged("7");
  ASSERT_TRUE(seven);
  EXPECT_EQ(seven->page, 5);
  EXPECT_EQ(seven->correctedText, "5");
  EXPECT_EQ(state.CurrentPage(), 5);

  auto zero = state.EditChanged("0");
  ASSERT_TRUE(zero);
  EXPECT_EQ(zero->page, 1);
  EXPECT_EQ(zero->correctedText, "1");

  auto three = state.EditChanged("3");
  ASSERT_TRUE(three);
  EXPECT_EQ(three->page, 3);
  EXPECT_FALSE(three->correctedText);
}

TEST(PreviewPageBox, TextThatIsNoNumberIsIgnoredByBoxAndUpDown) {
  PreviewState state(5, 850, 1100);
  state.GoLast();
  EXPECT_FALSE(state.EditChanged("x"));
  EXPECT_FALSE(state.EditChanged(""));
  EXPECT_FALSE(state.UpDownChanging("4a"));
  EXPECT_EQ(state.CurrentPage(), 5);
  EXPECT_TRUE(state.UpDownChanging("2"));
  EXPECT_EQ(state.CurrentPage(), 2);
}

TEST(PreviewZoom, ListFactors) {
  PreviewState state(1, 850, 1100);
  const struct {
    const char* text;
    int width;
    int height;
  } cases[] = {{"200%", 1700, 2200}, {"150%", 1275, 1650}, {"100%", 850, 1100},
               {"75%", 637, 825},    {"50%", 425, 550},    {"25%", 212, 275},
               {"10%", 85, 110}};
  for (const auto& c : cases) {
    state.ComboChanged(c.text, 500, 400);
    EXPECT_EQ(state.ShownWidth(), c.width) << c.text;
    EXPECT_EQ(state.ShownHeight(), c.height) << c.text;
  }
}

TEST(PreviewZoom, PageWidthAndFullPageUseTheScrollArea) {
  PreviewState state(1, 850, 1100);
  state.ComboChanged("Page Width", 910, 300);
  EXPECT_DOUBLE_EQ(state.ZoomFactor(), 1.0);
  EXPECT_EQ(state.ShownWidth(), 850);
  state.ComboChanged("Full Page", 910, 580);
  EXPECT_DOUBLE_EQ(state.ZoomFactor(), 0.5);
  EXPECT_EQ(state.ShownHeight(), 550);
}

TEST(PreviewZoom, UnknownTextKeepsFactorAndUndoesSteps) {
  PreviewState state(1, 850, 1100);
  state.ComboChanged("50%", 0, 0);
  state.ZoomIn();
  EXPECT_EQ(state.ShownWidth(), 510);  // Trunc(425 x 1.2)
  state.ComboChanged("120%", 0, 0);
  EXPECT_DOUBLE_EQ(state.ZoomFactor(), 0.5);
  EXPECT_EQ(state.ShownWidth(), 425);
  EXPECT_EQ(state.ShownHeight(), 550);
}

TEST(PreviewZoom, StepsStayWithinBounds) {
  PreviewState state(1, 850, 1100);
  for (int i = 0; i < 200; ++i) state.ZoomOut();
  EXPECT_GE(std::max(state.ShownWidth(), state.ShownHeight()), PreviewState::kMinShownSide);
  EXPECT_GT(state.ShownWidth(), 0);
  state.ZoomIn();
  EXPECT_GT(state.ShownWidth(), 0);
  for (int i = 0; i < 200; ++i) state.ZoomIn();
  EXPECT_LE(std::max(state.ShownWidth(), state.ShownHeight()), PreviewState::kMaxShownSide);
}

}  // namespace
}  // namespace engine
