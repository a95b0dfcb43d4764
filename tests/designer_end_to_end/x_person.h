#pragma once
// The person at the keyboard and the mouse, through xdotool on the test's
// own X display: clicks, drags, keys and typing, and the waiting a person
// does for a window to come up or go. Every wait has a deadline; a missed
// one raises, so the test ends instead of hanging.
#include <chrono>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace end_to_end {

struct XWindow {
  unsigned long id = 0;
  int x = 0, y = 0, width = 0, height = 0;
};

class XError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class XPerson {
 public:
  explicit XPerson(std::string display) : display_(std::move(display)) {}

  // The program whose menus MenuKeys and OpenPopup wait for.
  void Watch(int pid) { pid_ = pid; }

  void Click(int x, int y, int button = 1) const;
  // A right click that opens a popup menu, once the menu is there.
  void OpenPopup(int x, int y) const;
  // Presses at one point, moves there in steps and lets go at the other.
  void Drag(int fromX, int fromY, int toX, int toY) const;
  // One key or chord each, in xdotool's names ("Return", "ctrl+s").
  void Keys(std::initializer_list<const char*> keys) const;
  // A menu opened by a key (Alt+letter, Right on a submenu) is not there
  // at once: after those keys the next waits until one more window of the
  // program is on the screen, so a fast sender never outruns the menus.
  void MenuKeys(std::initializer_list<const char*> keys) const;
  void Type(const std::string& text) const;

  // The visible window whose name matches the pattern (xdotool's regular
  // expression), once it is there.
  XWindow WaitForWindow(const std::string& namePattern) const;
  std::optional<XWindow> FindWindow(const std::string& namePattern) const;
  void WaitUntilGone(const std::string& namePattern) const;
  // The largest visible window of the process.
  XWindow WaitForMainWindow(int pid) const;
  // Without a window manager nobody gives a window back the keyboard when
  // a dialog over it closes; the test does, as a click on it would.
  void Focus(const XWindow& window) const;
  std::string WindowName(unsigned long id) const;

 private:
  std::string Run(const std::vector<std::string>& arguments) const;
  std::vector<unsigned long> Search(const std::vector<std::string>& criteria) const;
  XWindow Geometry(unsigned long id) const;
  size_t ProgramWindows() const;
  void WaitForMoreWindowsThan(size_t count, const std::string& what) const;

  std::string display_;
  int pid_ = 0;
};

}  // namespace end_to_end
