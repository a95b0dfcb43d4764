#pragma once
// The error box (MessageDlg of the error kind with one OK button). With a
// display it is a modal QMessageBox; without one (Qt platform offscreen or
// minimal, or neither DISPLAY nor WAYLAND_DISPLAY set) the text goes to
// standard error as one line and nothing waits. Tests install a recorder,
// which takes every text in order and answers at once.
#include <functional>
#include <string>
#include <vector>

namespace platform {

// text is Windows-1252.
void ShowErrorMessage(const std::string& text);
// text is UTF-8, for messages that name a file in any language; a recorder
// gets it as it stands.
void ShowUnicodeErrorMessage(const std::string& text);

using MessageRecorder = std::function<void(const std::string& text)>;
void SetMessageRecorder(MessageRecorder recorder);

// Records every message for its lifetime, then puts the earlier recorder back.
class ScopedMessageRecorder {
 public:
  ScopedMessageRecorder();
  ~ScopedMessageRecorder();
  ScopedMessageRecorder(const ScopedMessageRecorder&) = delete;
  ScopedMessageRecorder& operator=(const ScopedMessageRecorder&) = delete;
  const std::vector<std::string>& Texts() const { return texts_; }
  void Clear() { texts_.clear(); }

 private:
  std::vector<std::string> texts_;
  MessageRecorder previous_;
};

}  // namespace platform
