#pragma once
// Check boxes and radio buttons. Setting Checked in code fires nothing; a
// click of the person (or Click) toggles and fires OnClick. Radio buttons of
// one parent exclude each other.
#include <string>

#include "platform/controls/win_control.h"

namespace platform {

class TCheckBox : public TWinControl {
 public:
  explicit TCheckBox(TComponent* owner);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const;
  void SetChecked(bool checked);
  // A click of the person: toggles, then OnClick.
  void Toggle();
  bool ClicksFromMouse() const override { return false; }

 private:
  std::string caption_;
};

class TRadioButton : public TWinControl {
 public:
  explicit TRadioButton(TComponent* owner);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const;
  void SetChecked(bool checked);
  // A click of the person: checks it, then OnClick.
  void Choose();
  bool ClicksFromMouse() const override { return false; }

 private:
  std::string caption_;
};

}  // namespace platform
