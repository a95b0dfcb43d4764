#pragma once
// One-line edit fields and multi-line memos of plain Windows-1252 text.
#include <string>
#include <vector>

#include "platform/controls/win_control.h"

namespace platform {

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);

  std::string Text() const;
  // The text as typed, in UTF-8: also the letters Windows text lacks.
  std::string UnicodeText() const;
  // Fires OnChange when the text changes, as typing does.
  void SetText(const std::string& text);
  void SetReadOnly(bool value);

  TNotifyEvent OnChange;
  bool ClicksFromMouse() const override { return false; }
};

class TMemo : public TWinControl {
 public:
  explicit TMemo(TComponent* owner);

  std::vector<std::string> Lines() const;
  void SetLines(const std::vector<std::string>& lines);
  std::string Text() const;
  void SetWordWrap(bool value);
  // At most this many characters can be typed; 0: no limit.
  void SetMaxLength(int length);
  void SetBorder(bool value);
  bool ClicksFromMouse() const override { return false; }

 private:
  int maxLength_ = 0;
};

}  // namespace platform
