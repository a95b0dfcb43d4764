#include "platform/system/qt_application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdlib>

#include "platform/system/message_box.h"

namespace {

// Each case needs a process without a Qt application object yet, so it runs in
// a freshly started copy of the test program and reports through its exit code.
class QtApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

void WithoutAnyDisplay() {
  unsetenv("QT_QPA_PLATFORM");
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
}

bool DisplayFollowsEnvironment() {
  WithoutAnyDisplay();
  bool ok = !platform::HasDisplay();
  setenv("DISPLAY", ":99", 1);
  ok = ok && platform::HasDisplay();
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ok = ok && !platform::HasDisplay();
  setenv("QT_QPA_PLATFORM", "minimal:enable_fonts", 1);
  ok = ok && !platform::HasDisplay();
  unsetenv("DISPLAY");
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  setenv("WAYLAND_DISPLAY", "wayland-0", 1);
  return ok && platform::HasDisplay();
}

bool PlainProgramGetsOffscreenApplication() {
  WithoutAnyDisplay();
  bool ok = platform::EnsureApplication();
  ok = ok && qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
  ok = ok && QGuiApplication::platformName() == QStringLiteral("offscreen");
  QCoreApplication* first = QCoreApplication::instance();
  ok = ok && platform::EnsureApplication() && QCoreApplication::instance() == first;
  // The host's environment is not changed behind its back.
  ok = ok && std::getenv("QT_QPA_PLATFORM") == nullptr;
  return ok && !platform::HasDisplay();
}

bool UnreachableDisplayFallsBackToOffscreen() {
  WithoutAnyDisplay();
  setenv("DISPLAY", ":987", 1);
  bool ok = platform::HasDisplay() && platform::EnsureApplication();
  ok = ok && QGuiApplication::platformName() == QStringLiteral("offscreen") && !platform::HasDisplay();
  // No box may wait on the offscreen platform.
  platform::ShowErrorMessage("Tessel: on standard error");
  return ok;
}

bool ForeignCoreApplicationIsKept() {
  int argc = 1;
  char name[] = "host";
  char* argv[] = {name, nullptr};
  QCoreApplication host(argc, argv);
  const bool ok = !platform::EnsureApplication() && QCoreApplication::instance() == &host;
  // Messages still reach the user, without any box.
  platform::ShowErrorMessage("Tessel: still shown");
  return ok;
}

TEST_F(QtApplicationTest, DisplayDependsOnEnvironmentAndPlatform) {
  EXPECT_EXIT(std::exit(DisplayFollowsEnvironment() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

TEST_F(QtApplicationTest, PlainProgramWithoutDisplayGetsAnOffscreenApplication) {
  EXPECT_EXIT(std::exit(PlainProgramGetsOffscreenApplication() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

TEST_F(QtApplicationTest, UnreachableDisplayDoesNotAbortTheHost) {
  EXPECT_EXIT(std::exit(UnreachableDisplayFallsBackToOffscreen() ? 0 : 1), ::testing::ExitedWithCode(0),
              "Tessel: on standard error");
}

TEST_F(QtApplicationTest, ForeignCoreApplicationIsLeftAlone) {
  EXPECT_EXIT(std::exit(ForeignCoreApplicationIsKept() ? 0 : 1), ::testing::ExitedWithCode(0),
              "Tessel: still shown");
}

}  // namespace
