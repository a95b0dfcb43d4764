#include "platform/system/qt_application.h"

#include <QApplication>
#include <QByteArray>
#include <QGuiApplication>

#include <cstdlib>
#include <string>
#include <string_view>

namespace platform {
namespace {

bool IsHeadlessPlatform(std::string_view name) {
  return name.starts_with("offscreen") || name.starts_with("minimal");
}

bool EnvironmentSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

std::string_view RequestedPlatform() {
  const char* value = std::getenv("QT_QPA_PLATFORM");
  return value ? std::string_view(value) : std::string_view();
}

// QApplication keeps references to argc and argv for its whole life, and the
// object lives until the process ends, so all of them live in static storage.
struct ApplicationArguments {
  QApplication* application = nullptr;
  std::string name = "zbx_qn";
  std::string platformOption = "-platform";
  std::string platforms;
  char* argv[4] = {};
  int argc = 0;
};

// The platforms to try, in order. Offscreen always comes last: a display
// that is named but unreachable (a stale DISPLAY) would otherwise abort the
// host's process.
std::string PlatformList() {
  const std::string_view requested = RequestedPlatform();
  if (!HasDisplay()) return "offscreen";
  if (!requested.empty()) return std::string(requested) + ";offscreen";
  return EnvironmentSet("DISPLAY") ? "xcb;offscreen" : "wayland;offscreen";
}

std::string& ProgramName() {
  static std::string name = "zbx_qn";
  return name;
}

}  // namespace

bool HasDisplay() {
  // Once a GUI application runs, its platform is the truth, whatever the
  // environment says now.
  if (qobject_cast<const QGuiApplication*>(QCoreApplication::instance())) {
    const QByteArray platform = QGuiApplication::platformName().toUtf8();
    return !IsHeadlessPlatform(std::string_view(platform.constData(), static_cast<std::size_t>(platform.size())));
  }
  if (IsHeadlessPlatform(RequestedPlatform())) return false;
  return EnvironmentSet("DISPLAY") || EnvironmentSet("WAYLAND_DISPLAY");
}

void SetProgramName(const char* name) { ProgramName() = name; }

bool EnsureApplication() {
  if (QCoreApplication* existing = QCoreApplication::instance())
    return qobject_cast<QApplication*>(existing) != nullptr;
  static ApplicationArguments arguments;
  // Headless platforms chosen by the host need no fallback. The option on
  // the command line leaves the host's environment untouched.
  arguments.platforms = PlatformList();
  // QApplication removes the options it took from argv; lay them out afresh
  // in case the host deleted an earlier application object.
  arguments.name = ProgramName();
  arguments.argv[0] = arguments.name.data();
  arguments.argv[1] = arguments.platformOption.data();
  arguments.argv[2] = arguments.platforms.data();
  arguments.argv[3] = nullptr;
  arguments.argc = IsHeadlessPlatform(RequestedPlatform()) ? 1 : 3;
  // Deliberately never deleted: the library stays loaded (nodelete) and the
  // host may still hold Qt objects at exit. Held in static storage so that
  // leak checkers see it as still reachable.
  arguments.application = new QApplication(arguments.argc, arguments.argv);
  return true;
}

}  // namespace platform
