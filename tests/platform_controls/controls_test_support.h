#pragma once
// What every test of the class-library stand-in starts from: a Qt
// application on the offscreen platform, and a form that is on the screen
// when a test needs real widgets under the mouse.
#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

#include "platform/controls/application.h"
#include "platform/controls/form.h"

namespace controls_test {

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(platform::Application().Initialize()); }
};

// A form of 400 x 300 pixels, shown, with nothing on it.
inline std::unique_ptr<platform::TForm> ShownForm() {
  auto form = std::make_unique<platform::TForm>(nullptr);
  form->SetBounds(0, 0, 400, 300);
  form->Show();
  QApplication::processEvents();
  return form;
}

}  // namespace controls_test
