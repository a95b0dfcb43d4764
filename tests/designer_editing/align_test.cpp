// Align > Lefts, Rights, Tops and Bottoms on the selection.
#include "tests/designer_editing/editing_support.h"

namespace tessel_test {
namespace {

class AlignTest : public EditingTest {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    form().SetZoom(0);
    // Two regions side by side on the page; a label in each and one
    // directly in the first region.
    left_ = Region(form().REPORT, 10, 10, 300, 400);
    right_ = Region(form().REPORT, 330, 50, 300, 400);
    inner_ = Region(left_, 40, 100, 200, 200);
    first_ = Text(inner_, 30, 20);   // page left 10 + 40 + 30 = 80
    second_ = Text(right_, 15, 70);  // page left 330 + 15 = 345
    third_ = Text(left_, 120, 5);    // page left 130
  }
  void SelectAll() {
    for (platform::TControl* control : std::initializer_list<platform::TControl*>{first_, second_, third_})
      form().ToggleSelection(control);
  }
  designer::TRegion* left_ = nullptr;
  designer::TRegion* right_ = nullptr;
  designer::TRegion* inner_ = nullptr;
  designer::TStyledLabel* first_ = nullptr;
  designer::TStyledLabel* second_ = nullptr;
  designer::TStyledLabel* third_ = nullptr;
};

TEST_F(AlignTest, ParentOffsetsStopAtTheReportArea) {
  int value = 30;
  form().AddParentOffsets(first_, value);
  EXPECT_EQ(value, 80);
  form().SubParentOffsets(first_, value);
  EXPECT_EQ(value, 30);
  value = 5;
  form().AddParentOffsets(left_, value);
  EXPECT_EQ(value, 5) << "a region directly on the report";
}

TEST_F(AlignTest, LeftsLineUpOnThePageAcrossRegions) {
  SelectAll();
  form().FModified = false;
  form().Lefts1Click(nullptr);
  EXPECT_EQ(first_->Left(), 30);
  EXPECT_EQ(second_->Left(), 80 - 330);
  EXPECT_EQ(third_->Left(), 80 - 10);
  EXPECT_TRUE(form().FModified);
  // Tops stay.
  EXPECT_EQ(first_->Top(), 20);
  EXPECT_EQ(second_->Top(), 70);
}

TEST_F(AlignTest, RightsLineUpOnThePage) {
  SelectAll();
  const int rightmost = 345 + second_->Width();
  form().Rights1Click(nullptr);
  for (platform::TControl* control : std::initializer_list<platform::TControl*>{first_, second_, third_}) {
    int left = control->Left();
    form().AddParentOffsets(control, left);
    EXPECT_EQ(left + control->Width(), rightmost) << control->Name();
  }
}

TEST_F(AlignTest, TopsAndBottomsLineUpWithinEachParent) {
  SelectAll();
  form().Tops1Click(nullptr);
  EXPECT_EQ(first_->Top(), 5);
  EXPECT_EQ(second_->Top(), 5);
  EXPECT_EQ(third_->Top(), 5);
  second_->SetTop(90);
  form().Bottoms1Click(nullptr);
  const int bottom = 90 + second_->Height();
  EXPECT_EQ(first_->Top() + first_->Height(), bottom);
  EXPECT_EQ(third_->Top() + third_->Height(), bottom);
  EXPECT_EQ(second_->Top(), 90);
}

TEST_F(AlignTest, NothingOrOneSelectedStaysPut) {
  form().FModified = false;
  for (platform::TMenuItem* item : {form().Lefts1, form().Rights1, form().Tops1, form().Bottoms1}) item->Click();
  EXPECT_FALSE(form().FModified);
  form().ToggleSelection(second_);
  for (platform::TMenuItem* item : {form().Lefts1, form().Rights1, form().Tops1, form().Bottoms1}) item->Click();
  EXPECT_EQ(second_->Bounds().Left, 15);
  EXPECT_EQ(second_->Bounds().Top, 70);
  EXPECT_FALSE(form().FModified) << "nothing moved";
}

TEST_F(AlignTest, AFreedSelectedObjectIsPassedOver) {
  SelectAll();
  delete third_;
  third_ = nullptr;
  form().Lefts1Click(nullptr);
  EXPECT_EQ(second_->Left(), 80 - 330);
  EXPECT_EQ(SelectedNames().size(), 2u);
}

TEST_F(AlignTest, RegionsAlignLikeLabels) {
  designer::TRegion* lower = Region(right_, 100, 200, 50, 50);
  form().ToggleSelection(inner_);
  form().ToggleSelection(lower);
  form().Lefts1Click(nullptr);
  EXPECT_EQ(lower->Left(), 50 - 330);
  EXPECT_EQ(inner_->Left(), 40);
}

}  // namespace
}  // namespace tessel_test
