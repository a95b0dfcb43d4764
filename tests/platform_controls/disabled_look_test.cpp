// Disabled controls in the classic scheme: their captions are grey text
// embossed with a white highlight, readable on the silver of a dialog; an
// enabled caption keeps its colour and has no highlight.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "platform/controls/buttons.h"
#include "platform/controls/check_boxes.h"
#include "platform/controls/edits.h"
#include "platform/controls/group_box.h"
#include "platform/controls/label.h"
#include "tests/platform_controls/caption_pixels.h"
#include "tests/platform_controls/controls_test_support.h"

namespace {

using controls_test::CaptionPixels;
using controls_test::CountCaptionPixels;

class DisabledLook : public controls_test::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    form_ = std::make_unique<platform::TForm>(nullptr);
    form_->SetBounds(0, 0, 360, 260);
    form_->SetColor(platform::clSilver);
  }

  template <class T>
  T* Add(int left, int top, int width, int height, const std::string& caption, bool enabled) {
    auto* control = new T(form_.get());
    control->SetParent(form_.get());
    control->SetBounds(left, top, width, height);
    control->SetCaption(caption);
    control->SetEnabled(enabled);
    return control;
  }

  CaptionPixels Shown(platform::TControl* control) {
    form_->Show();
    QApplication::processEvents();
    const QImage image = form_->Widget()->grab().toImage();
    const QPoint at = control->Widget()->mapTo(form_->Widget(), QPoint(0, 0));
    return CountCaptionPixels(image, QRect(at, control->Widget()->size()));
  }

  std::unique_ptr<platform::TForm> form_;
};

TEST_F(DisabledLook, DisabledCaptionsAreGreyWithAWhiteHighlight) {
  const std::vector<platform::TControl*> disabled = {
      Add<platform::TCheckBox>(10, 10, 97, 17, "Strike Out", false),
      Add<platform::TRadioButton>(10, 40, 113, 17, "Landscape", false),
      Add<platform::TLabel>(10, 70, 80, 17, "Style Name", false),
      Add<platform::TButton>(10, 100, 75, 25, "Import", false),
      Add<platform::TGroupBox>(150, 10, 185, 105, "Attributes", false),
  };
  for (platform::TControl* control : disabled) {
    const CaptionPixels pixels = Shown(control);
    EXPECT_GE(pixels.grey, 15) << control->Widget()->metaObject()->className();
    EXPECT_GE(pixels.highlight, 10) << control->Widget()->metaObject()->className();
    EXPECT_EQ(pixels.darker, 0) << control->Widget()->metaObject()->className();
  }
}

TEST_F(DisabledLook, EnabledCaptionsKeepTheirColourWithoutHighlight) {
  const std::vector<platform::TControl*> enabled = {
      Add<platform::TCheckBox>(10, 10, 97, 17, "Strike Out", true),
      Add<platform::TLabel>(10, 70, 80, 17, "Style Name", true),
      Add<platform::TButton>(10, 100, 75, 25, "Import", true),
  };
  for (platform::TControl* control : enabled) {
    const CaptionPixels pixels = Shown(control);
    EXPECT_GT(pixels.darker, 10) << control->Widget()->metaObject()->className();
    EXPECT_EQ(pixels.highlight, 0) << control->Widget()->metaObject()->className();
  }
}

TEST_F(DisabledLook, ADisabledEditShowsItsTextInTheGreyOfDisabledText) {
  auto* edit = new platform::TEdit(form_.get());
  edit->SetParent(form_.get());
  edit->SetBounds(10, 10, 121, 21);
  edit->SetText("DEFAULTSTYLE");
  edit->SetEnabled(false);
  const CaptionPixels pixels = Shown(edit);
  EXPECT_GE(pixels.grey, 1);
  EXPECT_EQ(pixels.darker, 0);
}

}  // namespace
