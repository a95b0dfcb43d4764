#include "tests/designer_end_to_end/x_person.h"

#include <cstdlib>
#include <sstream>
#include <thread>

#include "tests/designer_end_to_end/child_process.h"

namespace end_to_end {
namespace {

constexpr auto kCommandTimeout = std::chrono::seconds(10);
// Long enough for a loaded machine to start the designer or open a file
// dialog; a wait returns as soon as the window is there.
constexpr auto kWindowTimeout = std::chrono::seconds(30);
constexpr auto kPollInterval = std::chrono::milliseconds(40);
constexpr int kDragSteps = 10;

}  // namespace

std::string XPerson::Run(const std::vector<std::string>& arguments) const {
  std::vector<std::string> command{"xdotool"};
  command.insert(command.end(), arguments.begin(), arguments.end());
  const ProgramRun run = RunProgram(command, {"DISPLAY=" + display_}, kCommandTimeout);
  if (run.exitCode < 0) throw XError("xdotool " + arguments.front() + " did not end");
  return run.out;
}

void XPerson::Click(int x, int y, int button) const {
  Run({"mousemove", std::to_string(x), std::to_string(y), "click", std::to_string(button)});
}

void XPerson::OpenPopup(int x, int y) const {
  const size_t before = ProgramWindows();
  Click(x, y, 3);
  WaitForMoreWindowsThan(before, "a right click");
}

void XPerson::Drag(int fromX, int fromY, int toX, int toY) const {
  std::vector<std::string> command{"mousemove", std::to_string(fromX), std::to_string(fromY), "mousedown", "1"};
  for (int step = 1; step <= kDragSteps; ++step) {
    command.insert(command.end(), {"sleep", "0.02", "mousemove", std::to_string(fromX + (toX - fromX) * step / kDragSteps),
                                   std::to_string(fromY + (toY - fromY) * step / kDragSteps)});
  }
  command.insert(command.end(), {"sleep", "0.02", "mouseup", "1"});
  Run(command);
}

void XPerson::Keys(std::initializer_list<const char*> keys) const {
  std::vector<std::string> command{"key"};
  command.insert(command.end(), keys.begin(), keys.end());
  Run(command);
}

void XPerson::MenuKeys(std::initializer_list<const char*> keys) const {
  std::vector<std::string> pending;
  for (const std::string key : keys) {
    pending.insert(pending.end(), {"key", key});
    if (!key.starts_with("alt+") && key != "Right") continue;
    const size_t before = ProgramWindows();
    Run(pending);
    pending.clear();
    WaitForMoreWindowsThan(before, key);
  }
  if (!pending.empty()) Run(pending);
}

size_t XPerson::ProgramWindows() const { return pid_ ? Search({"--pid", std::to_string(pid_)}).size() : 0; }

void XPerson::WaitForMoreWindowsThan(size_t count, const std::string& what) const {
  if (!pid_) return;
  const Clock::time_point deadline = Clock::now() + kWindowTimeout;
  while (ProgramWindows() <= count) {
    if (Clock::now() >= deadline) throw XError("no menu came up after " + what);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void XPerson::Type(const std::string& text) const { Run({"type", "--delay", "8", text}); }

std::vector<unsigned long> XPerson::Search(const std::vector<std::string>& criteria) const {
  std::vector<std::string> command{"search", "--onlyvisible"};
  command.insert(command.end(), criteria.begin(), criteria.end());
  std::istringstream lines(Run(command));
  std::vector<unsigned long> ids;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty()) ids.push_back(std::strtoul(line.c_str(), nullptr, 10));
  }
  return ids;
}

XWindow XPerson::Geometry(unsigned long id) const {
  XWindow window;
  window.id = id;
  std::istringstream lines(Run({"getwindowgeometry", "--shell", std::to_string(id)}));
  for (std::string line; std::getline(lines, line);) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    const int value = std::atoi(line.c_str() + equals + 1);
    if (key == "X") window.x = value;
    if (key == "Y") window.y = value;
    if (key == "WIDTH") window.width = value;
    if (key == "HEIGHT") window.height = value;
  }
  return window;
}

std::optional<XWindow> XPerson::FindWindow(const std::string& namePattern) const {
  const std::vector<unsigned long> ids = Search({"--name", namePattern});
  if (ids.empty()) return std::nullopt;
  return Geometry(ids.back());
}

XWindow XPerson::WaitForWindow(const std::string& namePattern) const {
  const Clock::time_point deadline = Clock::now() + kWindowTimeout;
  while (Clock::now() < deadline) {
    if (std::optional<XWindow> window = FindWindow(namePattern)) return *window;
    std::this_thread::sleep_for(kPollInterval);
  }
  throw XError("no window named like \"" + namePattern + "\" came up");
}

void XPerson::WaitUntilGone(const std::string& namePattern) const {
  const Clock::time_point deadline = Clock::now() + kWindowTimeout;
  while (Clock::now() < deadline) {
    if (Search({"--name", namePattern}).empty()) return;
    std::this_thread::sleep_for(kPollInterval);
  }
  throw XError("the window named like \"" + namePattern + "\" did not go");
}

XWindow XPerson::WaitForMainWindow(int pid) const {
  const Clock::time_point deadline = Clock::now() + kWindowTimeout;
  while (Clock::now() < deadline) {
    XWindow largest;
    for (unsigned long id : Search({"--pid", std::to_string(pid)})) {
      const XWindow window = Geometry(id);
      if (window.width * window.height > largest.width * largest.height) largest = window;
    }
    if (largest.id != 0) return largest;
    std::this_thread::sleep_for(kPollInterval);
  }
  throw XError("the program showed no window");
}

void XPerson::Focus(const XWindow& window) const { Run({"windowfocus", "--sync", std::to_string(window.id)}); }

std::string XPerson::WindowName(unsigned long id) const {
  std::string name = Run({"getwindowname", std::to_string(id)});
  while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
  return name;
}

}  // namespace end_to_end
