// The small controls' own rules: speed button groups, change events that
// only the person fires, check boxes and radio buttons, and the paint box,
// whose drawings last until it is repainted and whose thin lines leave out
// their last pixel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <string>
#include <vector>

#include "platform/controls/buttons.h"
#include "platform/controls/check_boxes.h"
#include "platform/controls/edits.h"
#include "platform/controls/lists.h"
#include "platform/controls/paint_box.h"
#include "platform/controls/panel.h"
#include "tests/platform_controls/controls_test_support.h"

namespace {

using platform::TObject;
using platform::TSpeedButton;

class SmallControls : public controls_test::ControlsTest {
 protected:
  template <class T>
  T* Add(platform::TWinControl* parent, const std::string& name) {
    auto* control = new T(&owner_);
    control->SetName(name);
    control->SetParent(parent);
    control->OnClick = [this, name](TObject*) { log_.push_back(name + " click"); };
    return control;
  }

  std::string DownOnes(platform::TWinControl& parent) const {
    std::string down;
    for (int i = 0; i < parent.ControlCount(); ++i)
      if (auto* button = dynamic_cast<TSpeedButton*>(parent.Controls(i)); button && button->Down())
        down += button->Name() + " ";
    return down;
  }

  platform::TComponent owner_{nullptr};
  std::vector<std::string> log_;
};

TEST_F(SmallControls, SpeedButtonsOfAGroupAreAtMostOneDownAndMayAllBeUp) {
  platform::TPanel box(nullptr), other(nullptr);
  auto* move = Add<TSpeedButton>(&box, "Move");
  auto* size = Add<TSpeedButton>(&box, "Size");
  auto* plain = Add<TSpeedButton>(&box, "Plain");
  auto* elsewhere = Add<TSpeedButton>(&other, "Elsewhere");
  for (TSpeedButton* button : {move, size, elsewhere}) {
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
  }
  elsewhere->SetDown(true);
  move->SetDown(true);
  EXPECT_EQ(DownOnes(box), "Move ");
  size->ClickByMouse();
  EXPECT_EQ(DownOnes(box), "Size ");
  EXPECT_TRUE(static_cast<QToolButton*>(size->Widget())->isChecked());
  EXPECT_FALSE(static_cast<QToolButton*>(move->Widget())->isChecked());
  // A click on the one that is down raises it: all up.
  size->ClickByMouse();
  EXPECT_EQ(DownOnes(box), "");
  EXPECT_FALSE(static_cast<QToolButton*>(size->Widget())->isChecked());
  EXPECT_EQ(log_, (std::vector<std::string>{"Size click", "Size click"}));
  // Another parent's group is another group.
  EXPECT_TRUE(elsewhere->Down());
  // A button of no group never stays down.
  plain->SetDown(true);
  EXPECT_FALSE(plain->Down());
  plain->ClickByMouse();
  EXPECT_FALSE(plain->Down());
}

TEST_F(SmallControls, WithoutAllUpTheDownButtonOfAGroupStaysDown) {
  platform::TPanel box(nullptr);
  auto* a = Add<TSpeedButton>(&box, "A");
  auto* b = Add<TSpeedButton>(&box, "B");
  a->SetGroupIndex(2);
  b->SetGroupIndex(2);
  a->SetDown(true);
  a->ClickByMouse();
  EXPECT_TRUE(a->Down());
  a->SetDown(false);
  EXPECT_TRUE(a->Down());
  b->SetDown(true);
  EXPECT_EQ(DownOnes(box), "B ");
}

TEST_F(SmallControls, AMouseClickOnASpeedButtonClicksItOnce) {
  auto form = controls_test::ShownForm();
  auto* button = Add<TSpeedButton>(form.get(), "Move");
  button->SetGroupIndex(1);
  button->SetAllowAllUp(true);
  QApplication::processEvents();
  QTest::mouseClick(button->Widget(), Qt::LeftButton);
  EXPECT_TRUE(button->Down());
  QTest::mouseClick(button->Widget(), Qt::LeftButton);
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(log_, (std::vector<std::string>{"Move click", "Move click"}));
}

TEST_F(SmallControls, TheComboBoxChangesOnlyForThePerson) {
  auto form = controls_test::ShownForm();
  auto* combo = Add<platform::TComboBox>(form.get(), "Paper");
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };
  combo->SetItems({"Letter", "Legal", "A4"});
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Text(), "");
  combo->SetItemIndex(2);
  EXPECT_EQ(combo->Text(), "A4");
  combo->SetText("Legal");
  EXPECT_EQ(combo->Text(), "Legal");
  EXPECT_EQ(changes, 0);
  combo->SelectByUser(0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(combo->Text(), "Letter");
  auto* box = static_cast<QComboBox*>(combo->Widget());
  emit box->activated(2);
  EXPECT_EQ(changes, 2);
  // Typing fires it too, and text that names no entry selects none.
  QTest::keyClicks(box->lineEdit(), "x");
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->SetItemIndex(-1);
  EXPECT_EQ(combo->Text(), "");
  EXPECT_EQ(combo->Items(), (std::vector<std::string>{"Letter", "Legal", "A4"}));
  EXPECT_EQ(changes, 3);
}

TEST_F(SmallControls, AnEditFieldChangesWhateverSetsItsText) {
  auto* edit = Add<platform::TEdit>(nullptr, "Width");
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetText("8.5");
  edit->SetText("8.5");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(edit->Text(), "8.5");
}

TEST_F(SmallControls, CheckedSetInCodeFiresNothingAndTheClickOfThePersonToggles) {
  auto form = controls_test::ShownForm();
  auto* box = Add<platform::TCheckBox>(form.get(), "LeftCB");
  box->SetChecked(true);
  box->SetChecked(false);
  EXPECT_TRUE(log_.empty());
  box->Toggle();
  EXPECT_TRUE(box->Checked());
  QApplication::processEvents();
  QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(6, box->Height() / 2));
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(log_, (std::vector<std::string>{"LeftCB click", "LeftCB click"}));
}

TEST_F(SmallControls, RadioButtonsOfOneParentExcludeEachOther) {
  platform::TPanel panel(nullptr);
  auto* portrait = Add<platform::TRadioButton>(&panel, "PortraitRB");
  auto* landscape = Add<platform::TRadioButton>(&panel, "LandscapeRB");
  portrait->SetChecked(true);
  landscape->SetChecked(true);
  EXPECT_FALSE(portrait->Checked());
  EXPECT_TRUE(log_.empty());
  portrait->Choose();
  EXPECT_TRUE(portrait->Checked());
  EXPECT_FALSE(landscape->Checked());
  EXPECT_EQ(log_, std::vector<std::string>{"PortraitRB click"});
}

TEST_F(SmallControls, ADisabledButtonIgnoresItsClick) {
  platform::TForm form(nullptr);
  auto* button = Add<platform::TButton>(&form, "OK");
  button->SetModalResult(platform::mrOk);
  button->SetEnabled(false);
  button->Click();
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(form.ModalResult(), platform::mrNone);
}

class PaintBoxes : public controls_test::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    form_ = controls_test::ShownForm();
    panel_ = new platform::TPanel(form_.get());
    panel_->SetBounds(0, 0, 60, 40);
    panel_->SetBevelOuter(platform::TBevelCut::bvNone);
    panel_->SetColor(platform::clWhite);
    panel_->SetParent(form_.get());
    box_ = new platform::TPaintBox(form_.get());
    box_->SetParent(panel_);
    box_->SetAlign(platform::TAlign::alClient);
    QApplication::processEvents();
  }

  QImage Picture() const { return panel_->Widget()->grab().toImage(); }
  bool Black(const QImage& image, int x, int y) const { return image.pixelColor(x, y) == QColor(0, 0, 0); }

  std::unique_ptr<platform::TForm> form_;
  platform::TPanel* panel_ = nullptr;
  platform::TPaintBox* box_ = nullptr;
};

TEST_F(PaintBoxes, TheCanvasRecordsEveryCallUntilARepaint) {
  platform::RecordingCanvas& canvas = box_->Canvas();
  canvas.Pen = platform::TPen{0x0000FF, 1, platform::TPenStyle::psDot, platform::TPenMode::pmCopy};
  canvas.MoveTo(1, 2);
  canvas.LineTo(30, 2);
  canvas.Rectangle(0, 0, 5, 5);
  ASSERT_EQ(canvas.Calls.size(), 3u);
  EXPECT_EQ(canvas.Calls[1].kind, platform::CanvasCall::Kind::LineTo);
  EXPECT_EQ(canvas.Calls[1].rect, (platform::TRect{30, 2, 30, 2}));
  EXPECT_EQ(canvas.Calls[1].pen.Style, platform::TPenStyle::psDot);
  box_->Repaint();
  EXPECT_TRUE(box_->Canvas().Calls.empty());
  // A repaint of the box's parent repaints the box.
  canvas.MoveTo(0, 0);
  panel_->Repaint();
  EXPECT_TRUE(box_->Canvas().Calls.empty());
}

TEST_F(PaintBoxes, ANewSizeErasesWhatWasDrawnAMoveDoesNot) {
  platform::RecordingCanvas& canvas = box_->Canvas();
  canvas.MoveTo(1, 2);
  canvas.LineTo(30, 2);
  panel_->SetBounds(10, 10, 60, 40);
  EXPECT_EQ(canvas.Calls.size(), 2u);
  // Lines drawn 5 pixels inside the old edge would stand far inside the new.
  panel_->SetBounds(10, 10, 70, 40);
  EXPECT_EQ(box_->Width(), 70);
  EXPECT_TRUE(canvas.Calls.empty());
}

TEST_F(PaintBoxes, AThinLineLeavesOutItsLastPixel) {
  platform::RecordingCanvas& canvas = box_->Canvas();
  canvas.Pen = platform::TPen{0x000000, 1, platform::TPenStyle::psSolid, platform::TPenMode::pmCopy};
  canvas.MoveTo(2, 5);
  canvas.LineTo(10, 5);
  canvas.MoveTo(20, 30);
  canvas.LineTo(20, 22);
  const QImage image = Picture();
  for (int x = 2; x < 10; ++x) EXPECT_TRUE(Black(image, x, 5)) << x;
  EXPECT_FALSE(Black(image, 10, 5));
  EXPECT_FALSE(Black(image, 1, 5));
  // Drawn upwards, the line still leaves out its end, not its start.
  for (int y = 23; y <= 30; ++y) EXPECT_TRUE(Black(image, 20, y)) << y;
  EXPECT_FALSE(Black(image, 20, 22));

  box_->Repaint();
  const QImage erased = Picture();
  EXPECT_FALSE(Black(erased, 5, 5));
  EXPECT_FALSE(Black(erased, 20, 25));
}

TEST_F(PaintBoxes, RoundedRectanglesShowToo) {
  platform::RecordingCanvas& canvas = box_->Canvas();
  canvas.Pen = platform::TPen{0x000000, 1, platform::TPenStyle::psSolid, platform::TPenMode::pmCopy};
  canvas.Brush = platform::TBrush{0xFFFFFF, platform::TBrushStyle::bsClear};
  canvas.RoundRect(2, 2, 40, 30, 6, 6);
  const QImage image = Picture();
  EXPECT_TRUE(Black(image, 20, 2));
  EXPECT_TRUE(Black(image, 2, 15));
  EXPECT_FALSE(Black(image, 20, 15));
}

}  // namespace
