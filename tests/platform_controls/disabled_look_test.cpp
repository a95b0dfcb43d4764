// Disabled controls in the classic scheme: their captions are grey text
// embossed with a white highlight, readable on the silver of a dialog; an
// enabled caption keeps its colour and has no highlight.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <memory>
#include <string>
#include <type_traits>
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

  CaptionPixels Shown(platform::TControl* control) {
    form_->Show();
    QApplication::processEvents();
    return CountCaptionPixels(form_->Widget()->grab().toImage(), form_->Widget(), control->Widget());
  }

  std::unique_ptr<platform::TForm> form_;
};

// A disabled caption is grey, embossed with white and has nothing darker;
// an enabled one keeps its darker colour and has no highlight. A disabled
// edit's text is grey too, without the emboss.
struct CaptionCase {
  platform::TControl* (*make)(platform::TForm*, const std::string&);
  platform::TBounds bounds;
  std::string caption;
  bool enabled;
  int minGrey, minHighlight;
};

// A control of the class with the caption, or an edit with the text.
template <class T>
platform::TControl* Make(platform::TForm* form, const std::string& caption) {
  auto* control = new T(form);
  if constexpr (std::is_same_v<T, platform::TEdit>) {
    control->SetText(caption);
  } else {
    control->SetCaption(caption);
  }
  return control;
}

TEST_F(DisabledLook, CaptionsShowWhetherTheControlIsEnabled) {
  const std::vector<CaptionCase> cases = {
      {&Make<platform::TCheckBox>, {10, 10, 97, 17}, "Strike Out", false, 15, 10},
      {&Make<platform::TRadioButton>, {10, 40, 113, 17}, "Landscape", false, 15, 10},
      {&Make<platform::TLabel>, {10, 70, 80, 17}, "Style Name", false, 15, 10},
      {&Make<platform::TButton>, {10, 100, 75, 25}, "Import", false, 15, 10},
      {&Make<platform::TGroupBox>, {150, 10, 185, 105}, "Attributes", false, 15, 10},
      {&Make<platform::TEdit>, {10, 10, 121, 21}, "DEFAULTSTYLE", false, 1, 0},
      {&Make<platform::TCheckBox>, {10, 10, 97, 17}, "Strike Out", true, 0, 0},
      {&Make<platform::TLabel>, {10, 70, 80, 17}, "Style Name", true, 0, 0},
      {&Make<platform::TButton>, {10, 100, 75, 25}, "Import", true, 0, 0},
  };
  for (const CaptionCase& c : cases) {
    std::unique_ptr<platform::TControl> control(c.make(form_.get(), c.caption));
    control->SetParent(form_.get());
    control->SetBounds(c.bounds.Left, c.bounds.Top, c.bounds.Width, c.bounds.Height);
    control->SetEnabled(c.enabled);
    const CaptionPixels pixels = Shown(control.get());
    SCOPED_TRACE(c.caption + (c.enabled ? " enabled" : " disabled"));
    EXPECT_GE(pixels.grey, c.minGrey);
    if (c.enabled) {
      EXPECT_GT(pixels.darker, 10);
      EXPECT_EQ(pixels.highlight, 0);
    } else {
      EXPECT_GE(pixels.highlight, c.minHighlight);
      EXPECT_EQ(pixels.darker, 0);
    }
  }
}

}  // namespace
