// The mouse as the class library reports it, driven through the real
// widgets: clicks at the release, drags begun by a mouse-down handler
// (which completes the click at once), drag-over to the control under the
// mouse, end of drag to the source, the drag threshold, disabled controls
// letting the mouse through, shift states, and handler exceptions going to
// the error box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/controls/exceptions.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/system/message_box.h"
#include "tests/platform_controls/controls_test_support.h"

namespace {

using platform::TControl;
using platform::TDragState;
using platform::TMouseButton;
using platform::TObject;
using platform::TShiftState;

std::string NameOf(TObject* object) {
  auto* control = dynamic_cast<TControl*>(object);
  return control ? control->Name() : "nil";
}

const char* StateWord(TDragState state) {
  switch (state) {
    case TDragState::dsDragEnter: return "enter";
    case TDragState::dsDragLeave: return "leave";
    default: return "move";
  }
}

class MouseEvents : public controls_test::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    form_ = controls_test::ShownForm();
    area_ = Add<platform::TPanel>(form_.get(), "Area", {10, 10, 300, 200});
    text_ = Add<platform::TLabel>(area_, "Text", {20, 20, 60, 20});
    text_->SetAutoSize(false);
    text_->SetBounds(20, 20, 60, 20);
    target_ = Add<platform::TPanel>(area_, "Target", {100, 20, 100, 100});
    blocked_ = Add<platform::TPanel>(area_, "Blocked", {100, 130, 80, 50});
    blocked_->SetEnabled(false);
    for (TControl* control : {static_cast<TControl*>(area_), static_cast<TControl*>(text_),
                              static_cast<TControl*>(target_), static_cast<TControl*>(blocked_)})
      Watch(*control);
    QApplication::processEvents();
  }

  void TearDown() override {
    // Leave no button held for the next test.
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
  }

  template <class T>
  T* Add(platform::TWinControl* parent, const std::string& name, platform::TBounds bounds) {
    auto* control = new T(form_.get());
    control->SetName(name);
    control->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    control->SetParent(parent);
    return control;
  }

  void Watch(TControl& control) {
    const std::string name = control.Name();
    control.OnMouseDown = [this, name](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
      Log(name + " down " + std::to_string(static_cast<int>(button)) + " " + std::to_string(shift) + " " +
          std::to_string(x) + " " + std::to_string(y));
    };
    control.OnMouseUp = [this, name](TObject*, TMouseButton button, TShiftState, int x, int y) {
      Log(name + " up " + std::to_string(static_cast<int>(button)) + " " + std::to_string(x) + " " +
          std::to_string(y));
    };
    control.OnMouseMove = [this, name](TObject*, TShiftState shift, int x, int y) {
      Log(name + " move " + std::to_string(shift) + " " + std::to_string(x) + " " + std::to_string(y));
    };
    control.OnClick = [this, name](TObject*) { Log(name + " click"); };
    control.OnDblClick = [this, name](TObject*) { Log(name + " dblclick"); };
    control.OnDragOver = [this, name](TObject*, TObject* source, int x, int y, TDragState state, bool& accept) {
      Log(name + " over " + StateWord(state) + " " + NameOf(source) + " " + std::to_string(x) + " " +
          std::to_string(y));
      accept = name != "Area";
    };
    control.OnEndDrag = [this, name](TObject*, TObject* target, int x, int y) {
      Log(name + " enddrag " + NameOf(target) + " " + std::to_string(x) + " " + std::to_string(y));
    };
  }

  void Log(const std::string& entry) { log_.push_back(entry); }
  std::vector<std::string> TakeLog() { return std::exchange(log_, {}); }

  // Hands the label's mouse-down over to a drag.
  void DragTextOnMouseDown(bool immediate) {
    auto logDown = text_->OnMouseDown;
    text_->OnMouseDown = [this, logDown, immediate](TObject* sender, TMouseButton button, TShiftState shift, int x,
                                                   int y) {
      logDown(sender, button, shift, x, y);
      if (button == TMouseButton::mbLeft) text_->BeginDrag(immediate);
    };
  }

  // The mouse held down moves; Qt sends the moves to the pressed widget.
  void MoveHeld(QPoint textPoint) { QTest::mouseMove(text_->Widget(), textPoint); }

  std::unique_ptr<platform::TForm> form_;
  platform::TPanel* area_ = nullptr;
  platform::TLabel* text_ = nullptr;
  platform::TPanel* target_ = nullptr;
  platform::TPanel* blocked_ = nullptr;
  std::vector<std::string> log_;
};

const std::string kLeftHeld = std::to_string(platform::ssLeft);

TEST_F(MouseEvents, AClickComesAtTheReleaseInsideTheControl) {
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 6));
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Text down 0 " + kLeftHeld + " 5 6"}));
  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, {}, QPoint(7, 8));
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Text up 0 7 8", "Text click"}));

  // Released outside: the button comes up but there is no click.
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 6));
  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, {}, QPoint(200, 8));
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Text down 0 " + kLeftHeld + " 5 6", "Text up 0 200 8"}));
}

TEST_F(MouseEvents, ShiftStatesAndButtonsAreTheLibrarys) {
  QTest::mousePress(text_->Widget(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(1, 2));
  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(1, 2));
  QTest::mousePress(text_->Widget(), Qt::RightButton, Qt::AltModifier, QPoint(3, 4));
  QTest::mouseRelease(text_->Widget(), Qt::RightButton, Qt::AltModifier, QPoint(3, 4));
  QTest::mousePress(text_->Widget(), Qt::MiddleButton, {}, QPoint(3, 4));
  QTest::mouseRelease(text_->Widget(), Qt::MiddleButton, {}, QPoint(3, 4));
  const auto shift = std::to_string(platform::ssShift | platform::ssCtrl | platform::ssLeft);
  const auto alt = std::to_string(platform::ssAlt | platform::ssRight);
  // Only the left button clicks.
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Text down 0 " + shift + " 1 2", "Text up 0 1 2", "Text click",
                                                 "Text down 1 " + alt + " 3 4", "Text up 1 3 4",
                                                 "Text down 2 " + std::to_string(platform::ssMiddle) + " 3 4",
                                                 "Text up 2 3 4"}));
  EXPECT_EQ(platform::ssShift, 1u);
  EXPECT_EQ(platform::ssDouble, 64u);
}

TEST_F(MouseEvents, MovesWithoutADragReachTheControlUnderTheMouse) {
  QMouseEvent move(QEvent::MouseMove, QPointF(4, 9), text_->Widget()->mapToGlobal(QPointF(4, 9)), Qt::NoButton,
                   Qt::NoButton, Qt::ShiftModifier);
  QApplication::sendEvent(text_->Widget(), &move);
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Text move 1 4 9"}));
}

TEST_F(MouseEvents, ADoubleClickClicksOnceThenReportsTheDoubleClick) {
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 6));
  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 6));
  QTest::mouseDClick(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 6));
  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 6));
  const auto doubled = std::to_string(platform::ssLeft | platform::ssDouble);
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Text down 0 " + kLeftHeld + " 5 6", "Text up 0 5 6", "Text click",
                                                 "Text dblclick", "Text down 0 " + doubled + " 5 6",
                                                 "Text up 0 5 6"}));
}

TEST_F(MouseEvents, ADragBegunOnMouseDownCompletesTheClickAtOnce) {
  DragTextOnMouseDown(false);
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Text down 0 " + kLeftHeld + " 5 5", "Text up 0 5 5", "Text click"}));
  EXPECT_TRUE(text_->Dragging());

  // Over the target: its client coordinates, entering first.
  MoveHeld(QPoint(90, 10));
  MoveHeld(QPoint(91, 12));
  // Over the disabled panel its parent is the target.
  MoveHeld(QPoint(90, 120));
  MoveHeld(QPoint(90, 10));
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Target over enter Text 10 10", "Target over move Text 11 12",
                                                 "Target over leave Text 10 120", "Area over enter Text 110 140",
                                                 "Area over leave Text 110 30", "Target over enter Text 10 10"}));

  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, {}, QPoint(90, 10));
  // The release ends the drag on the source; no second button-up or click.
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Text enddrag Target 10 10"}));
  EXPECT_FALSE(text_->Dragging());
}

TEST_F(MouseEvents, ADropRefusedEndsTheDragWithoutATarget) {
  DragTextOnMouseDown(false);
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  MoveHeld(QPoint(30, 150));  // over the bare area, which refuses
  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, {}, QPoint(30, 150));
  const std::vector<std::string> log = TakeLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "Text enddrag nil 0 0");
}

TEST_F(MouseEvents, BelowTheThresholdOfFivePixelsNoDragOverComes) {
  DragTextOnMouseDown(false);
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  TakeLog();
  for (QPoint point : {QPoint(13, 13), QPoint(6, 14), QPoint(14, 10), QPoint(10, 6)}) MoveHeld(point);
  EXPECT_EQ(TakeLog(), std::vector<std::string>{});
  MoveHeld(QPoint(15, 10));
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Text over enter Text 15 10"}));
  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, {}, QPoint(15, 10));
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Text enddrag Text 15 10"}));
}

TEST_F(MouseEvents, AReleaseBeforeTheThresholdEndsTheDragWithoutATarget) {
  DragTextOnMouseDown(false);
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  TakeLog();
  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, {}, QPoint(11, 10));
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Text enddrag nil 0 0"}));
}

TEST_F(MouseEvents, AnImmediateDragIsOverItsSourceAtOnce) {
  DragTextOnMouseDown(true);
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Text down 0 " + kLeftHeld + " 10 10", "Text up 0 10 10",
                                                 "Text click", "Text over enter Text 10 10"}));
  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
}

TEST_F(MouseEvents, ADisabledWindowedControlLetsTheMouseThroughToItsParent) {
  QTest::mousePress(blocked_->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(blocked_->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Area down 0 " + kLeftHeld + " 110 140", "Area up 0 110 140",
                                                 "Area click"}));
}

TEST_F(MouseEvents, ADisabledLabelLetsTheMouseThroughToItsParent) {
  text_->SetEnabled(false);
  EXPECT_EQ(area_->Widget()->childAt(25, 25), nullptr);
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Area down 0 " + kLeftHeld + " 25 25", "Area up 0 25 25",
                                                 "Area click"}));
}

TEST_F(MouseEvents, AnExceptionInAHandlerGoesToTheErrorBoxAndNoFurther) {
  platform::ScopedMessageRecorder errors;
  text_->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {
    throw std::runtime_error("Down failed");
  };
  text_->OnClick = [](TObject*) { throw platform::EConvertError("'abc' is not a valid integer value"); };
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(errors.Texts(), (std::vector<std::string>{"Down failed", "'abc' is not a valid integer value"}));
  // The release still came up to the control between the two.
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Text up 0 5 5"}));
}

TEST_F(MouseEvents, AnExceptionInADragOverHandlerKeepsTheDragGoing) {
  platform::ScopedMessageRecorder errors;
  DragTextOnMouseDown(false);
  target_->OnDragOver = [](TObject*, TObject*, int, int, TDragState, bool&) {
    throw platform::Exception("Over failed");
  };
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  MoveHeld(QPoint(90, 10));
  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, {}, QPoint(90, 10));
  EXPECT_EQ(errors.Texts(), (std::vector<std::string>{"Over failed"}));
  EXPECT_EQ(TakeLog().back(), "Text enddrag Target 10 10");
}

TEST_F(MouseEvents, ADragOverHandlerMayFreeTheSource) {
  DragTextOnMouseDown(false);
  target_->OnDragOver = [this](TObject*, TObject* source, int, int, TDragState, bool& accept) {
    accept = true;
    Log("Target frees " + NameOf(source));
    delete text_;
    text_ = nullptr;
  };
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  QWidget* area = area_->Widget();
  QTest::mouseMove(text_->Widget(), QPoint(90, 10));
  EXPECT_EQ(text_, nullptr);
  // The drag is over: moves and the release reach the controls again.
  QTest::mouseMove(area, QPoint(30, 150));
  QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(30, 150));
  const std::vector<std::string> log = TakeLog();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()),
            (std::vector<std::string>{"Target frees Text", "Area move " + kLeftHeld + " 30 150", "Area up 0 30 150"}));
}

TEST_F(MouseEvents, ADragOverHandlerMayEndTheDrag) {
  DragTextOnMouseDown(false);
  target_->OnDragOver = [this](TObject*, TObject*, int, int, TDragState, bool& accept) {
    accept = true;
    text_->EndDrag(false);
  };
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  TakeLog();
  MoveHeld(QPoint(90, 10));
  EXPECT_FALSE(text_->Dragging());
  EXPECT_EQ(TakeLog(), std::vector<std::string>{"Text enddrag nil 0 0"});
  QTest::mouseRelease(text_->Widget(), Qt::LeftButton, {}, QPoint(90, 10));
  EXPECT_EQ(TakeLog(), std::vector<std::string>{"Text up 0 90 10"});
}

TEST_F(MouseEvents, FreeingTheSourceDuringADragEndsIt) {
  DragTextOnMouseDown(false);
  QTest::mousePress(text_->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  MoveHeld(QPoint(90, 10));
  QWidget* area = area_->Widget();
  delete text_;
  text_ = nullptr;
  TakeLog();
  QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(120, 40));
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Area up 0 120 40"}));
}

}  // namespace
