#pragma once
// Help pages and web addresses go to the desktop's own handler (browser,
// viewer), as ShellExecute's "open" did. The request is handed on and never
// waited for; without a handler or a display nothing happens and nothing is
// reported, since the author can still open the page by hand. Tests install
// a recorder, which takes every request instead of opening it.
#include <functional>
#include <string>
#include <vector>

namespace platform {

// target is UTF-8: a web address ("http://...", "mailto:...",
// "www.example.com") or a system path (platform/system/file_paths.h:
// "\home\a\help.html", relative ones from the current folder). Empty opens
// nothing.
void OpenWithDesktop(const std::string& target);

// A request as it would reach the desktop: the target as given, and the
// address it became (UTF-8, percent-encoded: "file:///home/a/help.html").
struct DesktopRequest {
  std::string target;
  std::string address;
  friend bool operator==(const DesktopRequest&, const DesktopRequest&) = default;
};

using DesktopRecorder = std::function<void(const DesktopRequest& request)>;
void SetDesktopRecorder(DesktopRecorder recorder);

// Records every request for its lifetime, then puts the earlier recorder back.
class ScopedDesktopRecorder {
 public:
  ScopedDesktopRecorder();
  ~ScopedDesktopRecorder();
  ScopedDesktopRecorder(const ScopedDesktopRecorder&) = delete;
  ScopedDesktopRecorder& operator=(const ScopedDesktopRecorder&) = delete;
  const std::vector<DesktopRequest>& Requests() const { return requests_; }

 private:
  std::vector<DesktopRequest> requests_;
  DesktopRecorder previous_;
};

}  // namespace platform
