// Selecting with Shift+click, carried by the colours, and what plain
// clicks and the right button do.
#include "tests/designer_editing/editing_support.h"

namespace tessel_test {
namespace {

using platform::TMouseButton;

class SelectionTest : public EditingTest {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    outer_ = Region(form().REPORT, 10, 10, 500, 600);
    a_ = Region(outer_, 10, 10, 100, 80);
    b_ = Region(outer_, 200, 10, 100, 80);
    c_ = Region(outer_, 10, 300, 100, 80);
  }
  designer::TRegion* outer_ = nullptr;
  designer::TRegion* a_ = nullptr;
  designer::TRegion* b_ = nullptr;
  designer::TRegion* c_ = nullptr;
};

TEST_F(SelectionTest, ShiftClickTogglesARegionByItsColour) {
  ASSERT_EQ(a_->Color(), kSilver) << "a region shows its parent's silver";
  form().FModified = false;
  ShiftClick(a_);
  EXPECT_EQ(a_->Color(), kAqua);
  EXPECT_EQ(SelectedNames(), std::vector<std::string>{"Region2"});
  EXPECT_TRUE(form().FModified);
  ShiftClick(b_);
  EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"Region2", "Region3"}));
  ShiftClick(a_);
  EXPECT_EQ(a_->Color(), kSilver);
  EXPECT_EQ(SelectedNames(), std::vector<std::string>{"Region3"});
  // Also the only selected one leaves.
  ShiftClick(b_);
  EXPECT_EQ(b_->Color(), kSilver);
  EXPECT_TRUE(SelectedNames().empty());
}

TEST_F(SelectionTest, ShiftClickOnAVariableMakesItOpaqueAndBack) {
  designer::TVariableLabel* variable = Variable(a_, 5, 5);
  designer::TStyledLabel* text = Text(a_, 5, 40);
  ASSERT_TRUE(variable->Transparent());
  ShiftClick(variable);
  EXPECT_EQ(variable->Color(), kAqua);
  EXPECT_FALSE(variable->Transparent());
  ShiftClick(text);
  EXPECT_EQ(SelectedNames(), (std::vector<std::string>{variable->Name(), text->Name()}));
  ShiftClick(variable);
  EXPECT_EQ(variable->Color(), kSilver);
  EXPECT_TRUE(variable->Transparent());
  EXPECT_EQ(SelectedNames(), std::vector<std::string>{text->Name()});
}

TEST_F(SelectionTest, AnObjectOfAnotherColourIsLeftAlone) {
  // A picture region keeps the button face colour of its class.
  auto* image = Place<designer::TImageRegion>(outer_, designer::kModeImage, 300, 300);
  const platform::TColor before = image->Color();
  ASSERT_NE(before, kSilver);
  ShiftClick(image);
  EXPECT_EQ(image->Color(), before);
  EXPECT_TRUE(SelectedNames().empty());
  // The report area is the page, not an object.
  form().ToggleSelection(form().REPORT);
  EXPECT_EQ(form().REPORT->Color(), kSilver);
  EXPECT_TRUE(SelectedNames().empty());
}

TEST_F(SelectionTest, ShiftClickOnRichTextComplementsItsColourAndNeverSelectsIt) {
  auto* richText = Place<designer::TRichTextRegion>(outer_, designer::kModeRichText, 300, 300);
  const platform::TColor before = richText->Color();
  ShiftClick(richText);
  EXPECT_EQ(richText->Color(), ~before);
  EXPECT_TRUE(SelectedNames().empty());
  ShiftClick(richText);
  EXPECT_EQ(richText->Color(), before);
  EXPECT_TRUE(SelectedNames().empty());
}

TEST_F(SelectionTest, PlainClicksKeepOrClearTheSelection) {
  ShiftClick(a_);
  ShiftClick(b_);
  // On a member of a selection of two: kept.
  PlainClick(a_);
  EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"Region2", "Region3"}));
  // On the bare report area: kept.
  PlainClick(form().REPORT);
  EXPECT_EQ(SelectedNames().size(), 2u);
  // On any other object: cleared, colours restored.
  PlainClick(c_);
  EXPECT_TRUE(SelectedNames().empty());
  EXPECT_EQ(a_->Color(), kSilver);
  EXPECT_EQ(b_->Color(), kSilver);
  // On the only selected object: cleared too.
  ShiftClick(a_);
  PlainClick(a_);
  EXPECT_TRUE(SelectedNames().empty());
  EXPECT_EQ(a_->Color(), kSilver);
}

TEST_F(SelectionTest, ClearSelectionRestoresLabelsAndRegions) {
  designer::TStyledLabel* text = Text(a_, 5, 5);
  ShiftClick(text);
  ShiftClick(b_);
  form().ClearSelection();
  EXPECT_TRUE(SelectedNames().empty());
  EXPECT_EQ(text->Color(), kSilver);
  EXPECT_TRUE(text->Transparent());
  EXPECT_EQ(b_->Color(), kSilver);
}

TEST_F(SelectionTest, AFreedObjectLeavesTheSelection) {
  ShiftClick(a_);
  ShiftClick(b_);
  delete a_;
  a_ = nullptr;
  form().ClearSelection();
  EXPECT_TRUE(SelectedNames().empty());
  EXPECT_EQ(b_->Color(), kSilver);
}

TEST_F(SelectionTest, TheRightButtonOpensTheObjectsPopupMenu) {
  designer::TStyledLabel* text = Text(a_, 5, 5);
  designer::TVariableLabel* variable = Variable(a_, 5, 40);
  auto* shape = Place<designer::TShapeRegion>(outer_, designer::kModeShape, 300, 200);
  auto* image = Place<designer::TImageRegion>(outer_, designer::kModeImage, 300, 300);
  auto* richText = Place<designer::TRichTextRegion>(outer_, designer::kModeRichText, 300, 400);
  auto* repeat = Region(c_, 2, 2, 20, 20, designer::kModeRepeat);
  auto* title = Region(c_, 40, 2, 20, 20, designer::kModeTitle);
  std::vector<std::pair<std::string, platform::TPoint>> opened;
  platform::ScopedPopupRecorder recorder(
      [&](platform::TPopupMenu& menu, int x, int y) { opened.push_back({menu.Name(), platform::TPoint{x, y}}); });
  const std::vector<std::pair<platform::TControl*, std::string>> cases = {
      {text, "LabelPopup"},  {variable, "VariablePopup"}, {a_, "PopupMenu2"},        {shape, "ShapePopup"},
      {image, "ImagePopup"}, {richText, "RichTextPopup"}, {repeat, "RepeatPopup"}, {title, "TitlePopup"}};
  for (const auto& [object, menu] : cases) {
    opened.clear();
    form().SetMode(designer::kModeMove);
    form().FModified = false;
    Press(object, TMouseButton::mbRight, 0, 3, 4);
    ASSERT_EQ(opened.size(), 1u) << object->Name();
    EXPECT_EQ(opened[0].first, menu);
    const platform::TPoint screen = object->ClientToScreen(platform::TPoint{3, 4});
    EXPECT_EQ(opened[0].second.X, screen.X);
    EXPECT_EQ(opened[0].second.Y, screen.Y);
    EXPECT_EQ(program().CurrentObject.Get(), object);
    EXPECT_EQ(form().FMode, designer::kModeNone);
    EXPECT_TRUE(form().FModified);
  }
  // The report area opens nothing and changes no mode.
  opened.clear();
  form().SetMode(designer::kModeMove);
  form().tempLabel->SetCaption("message");
  Press(form().REPORT, TMouseButton::mbRight);
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(form().FMode, designer::kModeMove);
  EXPECT_EQ(form().tempLabel->Caption(), "");
}

TEST_F(SelectionTest, RegionsClearTheMessageLineLabelsDoNot) {
  designer::TStyledLabel* text = Text(a_, 5, 5);
  form().tempLabel->SetCaption("message");
  Press(text, TMouseButton::mbMiddle);
  EXPECT_EQ(form().tempLabel->Caption(), "message");
  Press(b_, TMouseButton::mbMiddle);
  EXPECT_EQ(form().tempLabel->Caption(), "");
}

TEST_F(SelectionTest, FixedRegionsBeginADragOnlyInMoveAndSize) {
  Press(a_, TMouseButton::mbLeft);
  EXPECT_FALSE(a_->Dragging()) << "no tool: the click comes at the release";
  form().SetMode(designer::kModeMove);
  Press(a_, TMouseButton::mbLeft);
  EXPECT_TRUE(a_->Dragging());
  EXPECT_EQ(program().CurrentObject.Get(), a_) << "the Move click came at once";
  EndDrag();
  form().SetMode(designer::kModeNone);
  designer::TRegion* repeat = Region(c_, 2, 2, 20, 20, designer::kModeRepeat);
  Press(repeat, TMouseButton::mbLeft);
  EXPECT_TRUE(repeat->Dragging()) << "other regions begin one in any mode";
}

}  // namespace
}  // namespace tessel_test
