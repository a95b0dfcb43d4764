// The same editing with real mouse events on the shown window, as the
// window system delivers them: press, moves with the button held, release.
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "designer/editing/scratch_pad_form.h"
#include "tests/designer_editing/editing_support.h"

namespace tessel_test {
namespace {

class MouseEventsTest : public EditingTest {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    Activate();
    form().SetZoom(0);
    form().SetBounds(0, 0, 1200, 1000);
    form().Show();
    QTest::qWait(10);
    outer_ = Region(form().REPORT, 10, 10, 600, 500);
    region_ = Region(outer_, 40, 50, 200, 150);
  }
  void TearDown() override {
    if (QWindow* window = Window(); window && pressed_) QTest::mouseRelease(window, Qt::LeftButton);
    EditingTest::TearDown();
  }
  QWindow* Window() const { return const_cast<MouseEventsTest*>(this)->form().Widget()->window()->windowHandle(); }
  // A point of an object's client area in the window's coordinates.
  QPoint At(platform::TControl* object, int x, int y) const {
    const platform::TPoint screen = object->ClientToScreen(platform::TPoint{x, y});
    return Window()->mapFromGlobal(QPoint(screen.X, screen.Y));
  }
  void MoveTo(QPoint point) { QTest::mouseMove(Window(), point); }
  // A drag from one point to another in steps, the button held.
  void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    MoveTo(from);
    QTest::mousePress(Window(), Qt::LeftButton, modifiers, from);
    pressed_ = true;
    for (int step = 1; step <= 4; ++step) MoveTo(from + (to - from) * step / 4);
    QTest::mouseRelease(Window(), Qt::LeftButton, modifiers, to);
    pressed_ = false;
  }
  void ClickAt(QPoint point, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {}) {
    MoveTo(point);
    QTest::mouseClick(Window(), button, modifiers, point);
  }

  designer::TRegion* outer_ = nullptr;
  designer::TRegion* region_ = nullptr;
  bool pressed_ = false;
};

TEST_F(MouseEventsTest, MoveARegionWithTheMouseAndUndoIt) {
  ASSERT_NE(Window(), nullptr);
  form().SpeedButton5->Click();
  ASSERT_EQ(form().FMode, designer::kModeMove);
  // The resting mouse leaves its point in the region's own coordinates,
  // not in those of the regions around it.
  MoveTo(At(region_, 10, 10));
  EXPECT_EQ(form().FRegionGrabX, 10);
  EXPECT_EQ(form().FRegionGrabY, 10);
  Drag(At(region_, 10, 10), At(region_, 40, 30));
  EXPECT_EQ(region_->Bounds(), (platform::TBounds{70, 70, 200, 150}));
  EXPECT_EQ(program().CurrentObject.Get(), region_);
  EXPECT_EQ(region_->Parent(), outer_);
  form().Undo1->Click();
  EXPECT_EQ(region_->Bounds(), (platform::TBounds{40, 50, 200, 150}));
}

TEST_F(MouseEventsTest, SizeARegionWithTheMouse) {
  form().SpeedButton6->Click();
  Drag(At(region_, 190, 140), At(outer_, 400, 300));
  EXPECT_EQ(region_->Bounds(), (platform::TBounds{40, 50, 360, 250}));
  // Too small at the release: the guard gives the size back.
  Drag(At(region_, 100, 100), At(outer_, 50, 60));
  EXPECT_EQ(region_->Bounds(), (platform::TBounds{40, 50, 360, 250}));
  EXPECT_EQ(form().tempLabel->Caption(), "Minimum Reached for this zoom level\n\rZoom in to make smaller");
}

TEST_F(MouseEventsTest, ShiftClicksSelectAndADragMovesTheSelection) {
  designer::TRegion* other = Region(outer_, 300, 50, 100, 100);
  ClickAt(At(region_, 5, 5), Qt::LeftButton, Qt::ShiftModifier);
  ClickAt(At(other, 5, 5), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_EQ(SelectedNames(), (std::vector<std::string>{region_->Name(), other->Name()}));
  EXPECT_EQ(region_->Color(), kAqua);
  form().Move1->Click();
  Drag(At(other, 20, 20), At(other, 30, 45));
  EXPECT_EQ(other->Bounds(), (platform::TBounds{310, 75, 100, 100}));
  EXPECT_EQ(region_->Bounds(), (platform::TBounds{50, 75, 200, 150}));
  // A plain click elsewhere clears the selection.
  ClickAt(At(outer_, 500, 400));
  EXPECT_TRUE(SelectedNames().empty());
  EXPECT_EQ(other->Color(), kSilver);
}

TEST_F(MouseEventsTest, ALabelDraggedOverAnotherMovesItself) {
  designer::TStyledLabel* dragged = Text(region_, 10, 10);
  designer::TStyledLabel* under = Text(region_, 10, 60);
  form().Move1->Click();
  Drag(At(dragged, 3, 3), At(under, 3, 3));
  EXPECT_EQ(under->Left(), 10);
  EXPECT_EQ(under->Top(), 60);
  EXPECT_EQ(dragged->Left(), 10);
  EXPECT_EQ(dragged->Top(), 60);
}

TEST_F(MouseEventsTest, TheRightButtonOpensThePopupAtTheMouse) {
  designer::TStyledLabel* text = Text(region_, 10, 10);
  std::vector<std::string> opened;
  QPoint where;
  platform::ScopedPopupRecorder recorder([&](platform::TPopupMenu& menu, int x, int y) {
    opened.push_back(menu.Name());
    where = QPoint(x, y);
  });
  ClickAt(At(text, 2, 3), Qt::RightButton);
  EXPECT_EQ(opened, std::vector<std::string>{"LabelPopup"});
  const platform::TPoint screen = text->ClientToScreen(platform::TPoint{2, 3});
  EXPECT_EQ(where, QPoint(screen.X, screen.Y));
  EXPECT_EQ(program().CurrentObject.Get(), text);
}

TEST_F(MouseEventsTest, CutWaitsForTheClickOnTheObject) {
  designer::TStyledLabel* text = Text(region_, 10, 10);
  const QPoint point = At(text, 2, 2);
  QTimer::singleShot(0, [this, point] { ClickAt(point); });
  form().SpeedButton4->ClickByMouse();
  EXPECT_EQ(text->Parent(), program().ScratchPadForm);
  EXPECT_FALSE(form().SpeedButton4->Down());
  form().Undo1->Click();
  EXPECT_EQ(text->Parent(), region_);
  EXPECT_EQ(text->Left(), 10);
}

}  // namespace
}  // namespace tessel_test
