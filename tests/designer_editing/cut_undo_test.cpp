// Cut waits for the pick inside its own loop, puts the object on the
// scratch pad, and Undo gives it back; no reference outlives its object.
#include <QTimer>

#include <functional>

#include "designer/editing/scratch_pad_form.h"
#include "designer/editing/undo.h"
#include "tests/designer_editing/editing_support.h"

namespace tessel_test {
namespace {

using platform::TMouseButton;

class CutTest : public EditingTest {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    form().SetZoom(0);
    outer_ = Region(form().REPORT, 10, 10, 600, 700);
    region_ = Region(outer_, 20, 30, 200, 150);
    text_ = Text(region_, 12, 14);
  }
  designer::TScratchPadForm& pad() { return *program().ScratchPadForm; }
  // Runs the Cut command; what the person does meanwhile comes as an
  // event of its loop.
  void CutWhile(std::function<void()> person) {
    QTimer::singleShot(0, [person] { person(); });
    form().Cut1Click(nullptr);
  }
  // The cut command with the object picked by a click.
  void Cut(platform::TControl* object) { CutWhile([this, object] { PlainClick(object); }); }

  designer::TRegion* outer_ = nullptr;
  designer::TRegion* region_ = nullptr;
  designer::TStyledLabel* text_ = nullptr;
};

TEST_F(CutTest, CutThenUndoPutsTheObjectBackInPlace) {
  form().FModified = false;
  Cut(text_);
  EXPECT_EQ(text_->Parent(), &pad());
  EXPECT_EQ(pad().CutControl.Get(), text_);
  EXPECT_EQ(pad().CutParent.Get(), region_);
  EXPECT_EQ(form().FCopySource.Get(), text_) << "a cut object can be pasted";
  EXPECT_EQ(form().FPickedObject.Get(), nullptr);
  EXPECT_EQ(form().FMode, designer::kModeNone);
  EXPECT_FALSE(form().SpeedButton4->Down());
  EXPECT_TRUE(form().FModified);
  EXPECT_EQ(form().ModeLabel->Caption(), "");

  form().FModified = false;
  form().Undo1Click(nullptr);
  EXPECT_EQ(text_->Parent(), region_);
  EXPECT_EQ(text_->Left(), 12);
  EXPECT_EQ(text_->Top(), 14);
  EXPECT_EQ(text_->Owner(), form().REPORT);
  EXPECT_TRUE(form().FModified);
  // A second undo changes nothing.
  form().FModified = false;
  form().Undo1Click(nullptr);
  EXPECT_EQ(text_->Parent(), region_);
  EXPECT_FALSE(form().FModified);
}

TEST_F(CutTest, ACutRegionComesBackWithWhatItHoldsAtTheZoomOfTheUndo) {
  form().SetZoom(-1);
  const platform::TBounds design = region_->DesignBounds();
  Cut(region_);
  EXPECT_EQ(region_->Parent(), &pad());
  EXPECT_EQ(text_->Parent(), region_);
  form().SetZoom(1);
  form().Undo1Click(nullptr);
  EXPECT_EQ(region_->Parent(), outer_);
  EXPECT_EQ(region_->DesignBounds(), design);
  EXPECT_EQ(region_->Bounds(), platform::ScaleBounds(design, outer_->ScaleSteps()))
      << "shown at the present zoom";
}

TEST_F(CutTest, TheMenuCommandHoldsTheCutButtonDownWhileItWaits) {
  bool downWhileWaiting = false;
  std::string captionWhileWaiting;
  CutWhile([&] {
    downWhileWaiting = form().SpeedButton4->Down();
    captionWhileWaiting = form().ModeLabel->Caption();
    PlainClick(text_);
  });
  EXPECT_TRUE(downWhileWaiting);
  EXPECT_EQ(captionWhileWaiting, "Remove");
  EXPECT_FALSE(form().SpeedButton4->Down());
}

TEST_F(CutTest, CancelRefreshEndsTheWaitWithoutCutting) {
  CutWhile([this] { form().SpeedButton9->Click(); });
  EXPECT_EQ(text_->Parent(), region_);
  EXPECT_EQ(form().FMode, designer::kModeNone);
  EXPECT_FALSE(form().SpeedButton4->Down());
  EXPECT_EQ(pad().CutControl.Get(), nullptr);
  EXPECT_EQ(pad().ControlCount(), 0);
}

TEST_F(CutTest, AnotherToolEndsTheWaitWithoutCutting) {
  CutWhile([this] { form().Move1Click(nullptr); });
  EXPECT_EQ(text_->Parent(), region_);
  EXPECT_EQ(form().FMode, designer::kModeMove);
  EXPECT_TRUE(form().SpeedButton5->Down());
  EXPECT_FALSE(form().SpeedButton4->Down());
  // A click in Move mode afterwards is no pick.
  PlainClick(text_);
  EXPECT_EQ(text_->Parent(), region_);
}

TEST_F(CutTest, ClosingTheWindowEndsTheWait) {
  CutWhile([this] {
    form().FModified = false;
    form().Close();
  });
  EXPECT_EQ(text_->Parent(), region_);
  EXPECT_EQ(form().FMode, designer::kModeNone);
}

TEST_F(CutTest, APickOfTheReportAreaCutsNothingAndEndsTheWait) {
  CutWhile([this] { PlainClick(form().REPORT, 300, 800); });
  EXPECT_EQ(form().FMode, designer::kModeNone);
  EXPECT_EQ(pad().ControlCount(), 0);
  EXPECT_EQ(form().REPORT->Parent(), form().ScrollBox2);
  // Nor does its undo bring anything back.
  Cut(text_);
  form().Undo1Click(nullptr);
  ASSERT_EQ(text_->Parent(), region_);
  Cut(region_);
  CutWhile([this] { PlainClick(form().REPORT, 300, 800); });
  form().Undo1Click(nullptr);
  EXPECT_EQ(region_->Parent(), &pad()) << "the undo record names the report area, not the cut region";
}

TEST_F(CutTest, ACutObjectLeavesTheSelection) {
  designer::TStyledLabel* other = Text(outer_, 300, 300);
  ShiftClick(text_);
  ShiftClick(other);
  // A click on a member of the selection keeps it, so this pick leaves
  // both selected until the cut.
  Cut(text_);
  EXPECT_EQ(SelectedNames(), std::vector<std::string>{other->Name()});
  EXPECT_EQ(text_->Color(), kSilver);
  EXPECT_TRUE(text_->Transparent());
  form().Undo1Click(nullptr);
  // So do the selected objects inside a cut region.
  ShiftClick(text_);
  pad().CutToScratchPad(region_);
  EXPECT_EQ(SelectedNames(), std::vector<std::string>{other->Name()});
  form().Lefts1Click(nullptr);
  EXPECT_EQ(other->Left(), 300);
}

TEST_F(CutTest, OnlyTheLastCutComesBack) {
  designer::TStyledLabel* other = Text(outer_, 300, 300);
  Cut(text_);
  Cut(other);
  form().Undo1Click(nullptr);
  EXPECT_EQ(other->Parent(), outer_);
  EXPECT_EQ(text_->Parent(), &pad()) << "earlier cuts stay on the scratch pad";
}

TEST_F(CutTest, AFreedCutObjectLeavesNothingToPasteOrUndo) {
  Cut(text_);
  ASSERT_EQ(form().FCopySource.Get(), text_);
  // A rename frees the scratch pad and what it holds.
  form().FreeChildren(&pad());
  ASSERT_EQ(pad().ControlCount(), 0);
  EXPECT_EQ(form().FCopySource.Get(), nullptr);
  EXPECT_EQ(pad().CutControl.Get(), nullptr);
  EXPECT_EQ(program().Undo.UndoControl.Get(), nullptr);
  form().SpeedButton16Click(nullptr);
  EXPECT_EQ(form().FMode, designer::kModeNone) << "Paste without a copy source does nothing";
  form().FModified = false;
  form().Undo1Click(nullptr);
  EXPECT_FALSE(form().FModified);
}

TEST_F(CutTest, UndoAfterCloseDoesNothing) {
  Cut(region_);
  form().SetMode(designer::kModeMove);
  PlainClick(outer_);
  program().CurrentObject = outer_;
  form().FModified = false;
  form().Close1Click(nullptr);
  EXPECT_EQ(form().REPORT->ControlCount(), 0);
  EXPECT_EQ(pad().ControlCount(), 0);
  EXPECT_EQ(program().CurrentObject.Get(), nullptr);
  EXPECT_EQ(program().Undo.UndoControl.Get(), nullptr);
  form().Undo1Click(nullptr);
  EXPECT_EQ(form().REPORT->ControlCount(), 0);
}

}  // namespace
}  // namespace tessel_test
