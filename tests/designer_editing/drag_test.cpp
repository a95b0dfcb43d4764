// Moving and sizing by dragging: the drag-over events as the platform
// sends them to the object under the mouse, in its client coordinates.
#include "designer/editing/undo.h"
#include "tests/designer_editing/editing_support.h"

namespace tessel_test {
namespace {

using platform::TDragState;
using platform::TMouseButton;

class DragTest : public EditingTest {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    form().SetZoom(0);
    outer_ = Region(form().REPORT, 10, 10, 600, 700);
    a_ = Region(outer_, 20, 30, 100, 80);
    b_ = Region(outer_, 200, 30, 100, 80);
    c_ = Region(outer_, 20, 300, 100, 80);
  }
  // The mouse rests at (x, y) of the object before the button goes down.
  void Hover(platform::TControl* object, int x, int y) { object->MouseMove(0, x, y); }
  // The drag reaches (x, y) of the target.
  bool Over(platform::TControl* target, platform::TControl* source, int x, int y) {
    return target->DragOver(source, x, y, TDragState::dsDragMove);
  }
  designer::TRegion* outer_ = nullptr;
  designer::TRegion* a_ = nullptr;
  designer::TRegion* b_ = nullptr;
  designer::TRegion* c_ = nullptr;
};

TEST_F(DragTest, ARegionFollowsTheMouseInMoveMode) {
  form().Move1Click(nullptr);
  Hover(a_, 10, 10);
  Press(a_, TMouseButton::mbLeft, 0, 10, 10);
  EXPECT_EQ(program().CurrentObject.Get(), a_);
  // Over itself: moved by the mouse's distance from the grab point.
  Over(a_, a_, 15, 17);
  EXPECT_EQ(a_->Bounds(), (platform::TBounds{25, 37, 100, 80}));
  // Over its container: the grab point goes under the mouse.
  Over(outer_, a_, 300, 400);
  EXPECT_EQ(a_->Bounds(), (platform::TBounds{290, 390, 100, 80}));
  // Over anything else: nothing.
  Over(c_, a_, 50, 50);
  EXPECT_EQ(a_->Bounds(), (platform::TBounds{290, 390, 100, 80}));
  EndDrag();
  // Undo puts it back where the Move click found it.
  form().FModified = false;
  form().Undo1Click(nullptr);
  EXPECT_EQ(a_->Bounds(), (platform::TBounds{20, 30, 100, 80}));
  EXPECT_TRUE(form().FModified);
  form().FModified = false;
  form().Undo1Click(nullptr);
  EXPECT_FALSE(form().FModified) << "nothing moved the second time";
}

TEST_F(DragTest, ARegionMovedWhileZoomedKeepsItsSize) {
  // Moving is no sizing: whatever distance the mouse goes at a level, the
  // region is as wide and high as before once the page is back at 100 %.
  for (int level : {-3, -1, 2}) {
    for (int distance = 1; distance <= 12; ++distance) {
      form().SetZoom(0);
      a_->SetBounds(20, 30, 100, 80);
      form().SetZoom(level);
      form().Move1Click(nullptr);
      Hover(a_, 10, 10);
      Press(a_, TMouseButton::mbLeft, 0, 10, 10);
      Over(a_, a_, 10 + distance, 10 + distance);
      EndDrag();
      form().SetZoom(0);
      EXPECT_EQ(a_->Width(), 100) << "level " << level << " distance " << distance;
      EXPECT_EQ(a_->Height(), 80) << "level " << level << " distance " << distance;
    }
  }
}

TEST_F(DragTest, TwoSelectedRegionsMoveTogether) {
  ShiftClick(a_);
  ShiftClick(b_);
  form().Move1Click(nullptr);
  Hover(b_, 50, 40);
  Press(b_, TMouseButton::mbLeft, 0, 50, 40);
  EXPECT_EQ(SelectedNames().size(), 2u);
  Over(b_, b_, 58, 35);
  EXPECT_EQ(a_->Bounds(), (platform::TBounds{28, 25, 100, 80}));
  EXPECT_EQ(b_->Bounds(), (platform::TBounds{208, 25, 100, 80}));
  // Over an object outside the selection nothing moves.
  Over(outer_, b_, 400, 400);
  Over(c_, b_, 1, 1);
  EXPECT_EQ(a_->Bounds(), (platform::TBounds{28, 25, 100, 80}));
  EXPECT_EQ(c_->Bounds(), (platform::TBounds{20, 300, 100, 80}));
}

TEST_F(DragTest, DraggingAnUnselectedRegionClearsTheSelectionAndMovesOnlyIt) {
  ShiftClick(a_);
  ShiftClick(b_);
  form().Move1Click(nullptr);
  Hover(c_, 5, 5);
  Press(c_, TMouseButton::mbLeft, 0, 5, 5);
  EXPECT_TRUE(SelectedNames().empty());
  EXPECT_EQ(a_->Color(), kSilver);
  Over(c_, c_, 15, 25);
  EXPECT_EQ(c_->Bounds(), (platform::TBounds{30, 320, 100, 80}));
  EXPECT_EQ(a_->Bounds(), (platform::TBounds{20, 30, 100, 80}));
  EXPECT_EQ(b_->Bounds(), (platform::TBounds{200, 30, 100, 80}));
}

TEST_F(DragTest, SizeOverTheContainerPutsTheCornerUnderTheMouse) {
  form().Size1Click(nullptr);
  Hover(a_, 90, 70);
  Press(a_, TMouseButton::mbLeft, 0, 90, 70);
  Over(outer_, a_, 250, 200);
  EXPECT_EQ(a_->Bounds(), (platform::TBounds{20, 30, 230, 170}));
  EndDrag();
  EXPECT_EQ(a_->Bounds(), (platform::TBounds{20, 30, 230, 170}));
  EXPECT_EQ(form().tempLabel->Caption(), "");
}

TEST_F(DragTest, SizeOverTheRegionItselfShrinksItAndTheGuardUndoesIt) {
  form().Size1Click(nullptr);
  Hover(a_, 90, 70);
  Press(a_, TMouseButton::mbLeft, 0, 90, 70);
  // Its own coordinates are taken as the container's: the corner lands at
  // (20 + ..): 40 - 20 = 20 wide, 45 - 30 = 15 high.
  Over(a_, a_, 40, 45);
  EXPECT_EQ(a_->Bounds(), (platform::TBounds{20, 30, 20, 15}));
  EndDrag();
  EXPECT_EQ(a_->Bounds(), (platform::TBounds{20, 30, 100, 80})) << "below 25 pixels at level 0";
  EXPECT_EQ(form().tempLabel->Caption(), "Minimum Reached for this zoom level\n\rZoom in to make smaller");
  // A point above and left of the region gives no negative size.
  Press(a_, TMouseButton::mbLeft, 0, 5, 5);
  Over(outer_, a_, 5, 5);
  EXPECT_EQ(a_->Width(), 0);
  EXPECT_EQ(a_->Height(), 0);
  EndDrag();
  EXPECT_EQ(a_->Bounds(), (platform::TBounds{20, 30, 100, 80}));
}

TEST_F(DragTest, OtherModesMoveNothing) {
  for (int mode : {designer::kModeNone, designer::kModeCopy, designer::kModeText}) {
    form().SetMode(mode);
    Press(b_, TMouseButton::mbLeft, 0, 10, 10);
    Over(outer_, b_, 400, 400);
    EndDrag();
    form().SetMode(designer::kModeNone);
  }
  EXPECT_EQ(b_->Bounds(), (platform::TBounds{200, 30, 100, 80}));
}

TEST_F(DragTest, ALabelMovesOverItsContainer) {
  designer::TStyledLabel* text = Text(a_, 10, 10);
  form().Move1Click(nullptr);
  text->MouseMove(0, 3, 4);
  Press(text, TMouseButton::mbLeft, 0, 3, 4);
  EXPECT_EQ(program().CurrentObject.Get(), text);
  Over(a_, text, 50, 60);
  EXPECT_EQ(text->Left(), 47);
  EXPECT_EQ(text->Top(), 56);
  // Not over another region.
  Over(b_, text, 5, 5);
  EXPECT_EQ(text->Left(), 47);
}

TEST_F(DragTest, ALabelDraggedOverAnotherMovesItselfNeverTheOther) {
  designer::TStyledLabel* dragged = Text(a_, 10, 10);
  designer::TStyledLabel* under = Text(a_, 10, 40);
  designer::TVariableLabel* variable = Variable(a_, 60, 10);
  form().Move1Click(nullptr);
  dragged->MouseMove(0, 2, 3);
  Press(dragged, TMouseButton::mbLeft, 0, 2, 3);
  const platform::TBounds underBefore = under->Bounds();
  // The mouse at (5, 6) of the label under it: in the dragged label's
  // coordinates that is (5, 36), so the grab point goes there.
  form().FModified = false;
  EXPECT_TRUE(Over(under, dragged, 5, 6));
  EXPECT_EQ(under->Bounds(), underBefore);
  EXPECT_EQ(dragged->Left(), 13);
  EXPECT_EQ(dragged->Top(), 43);
  EXPECT_TRUE(form().FModified);
  // Over itself it converges on the mouse.
  Over(dragged, dragged, 4, 3);
  EXPECT_EQ(dragged->Left(), 15);
  EXPECT_EQ(dragged->Top(), 43);
  // A text label is not taken by a variable.
  EXPECT_FALSE(Over(variable, dragged, 1, 1));
  EXPECT_EQ(dragged->Left(), 15);
  EndDrag();
  // Outside Move mode nothing is taken, but the design counts as touched.
  form().SetMode(designer::kModeNone);
  form().FModified = false;
  EXPECT_FALSE(Over(under, dragged, 30, 30));
  EXPECT_TRUE(form().FModified);
  EXPECT_EQ(dragged->Left(), 15);
}

TEST_F(DragTest, SelectedLabelsMoveTogetherOverALabel) {
  designer::TVariableLabel* first = Variable(a_, 10, 10);
  designer::TVariableLabel* second = Variable(b_, 20, 20);
  ShiftClick(first);
  ShiftClick(second);
  form().Move1Click(nullptr);
  first->MouseMove(0, 2, 2);
  Press(first, TMouseButton::mbLeft, 0, 2, 2);
  Over(first, first, 7, 12);
  EXPECT_EQ(first->Left(), 15);
  EXPECT_EQ(first->Top(), 20);
  EXPECT_EQ(second->Left(), 25);
  EXPECT_EQ(second->Top(), 30);
  // Over a region a selection of labels does not move.
  Over(a_, first, 100, 100);
  EXPECT_EQ(first->Left(), 15);
}

TEST_F(DragTest, OverTheWindowOnlyATextLabelIsTaken) {
  designer::TStyledLabel* text = Text(a_, 10, 10);
  designer::TVariableLabel* variable = Variable(a_, 60, 10);
  form().FLabelGrabX = 2;
  form().FLabelGrabY = 3;
  EXPECT_FALSE(form().DragOver(variable, 40, 50, TDragState::dsDragMove));
  EXPECT_EQ(variable->Left(), 60);
  EXPECT_TRUE(form().DragOver(text, 40, 50, TDragState::dsDragMove));
  EXPECT_EQ(text->Left(), 38);
  EXPECT_EQ(text->Top(), 47);
}

TEST_F(DragTest, TheBorderIsDrawnAgainAtTheReleaseWhenShown) {
  designer::TRegion* bordered = a_;
  bordered->FBorder = designer::TBorderRecord{designer::kSideTop, 2, 0, 0};
  bordered->FPaintBox->Canvas().Calls.clear();
  bordered->MouseUp(TMouseButton::mbLeft, 0, 1, 1);
  EXPECT_TRUE(bordered->FPaintBox->Canvas().Calls.empty());
  form().ShowBorders1Click(nullptr);
  bordered->FPaintBox->Canvas().Calls.clear();
  bordered->MouseUp(TMouseButton::mbLeft, 0, 1, 1);
  EXPECT_FALSE(bordered->FPaintBox->Canvas().Calls.empty());
}

}  // namespace
}  // namespace tessel_test
