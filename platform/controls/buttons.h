#pragma once
// Push buttons and speed buttons. A push button with a modal result sets
// its form's modal result when clicked, which ends a modal form. Speed
// buttons of one group index (among the buttons of one parent) are at most
// one down; with all-up allowed a click on the down one raises it.
#include <string>

#include "platform/controls/win_control.h"

namespace platform {

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  // The form's Enter key clicks the default button, Escape the cancel one.
  void SetDefault(bool value);
  void SetCancel(bool value);

  void Click() override;
  bool ClicksFromMouse() const override { return false; }

 private:
  std::string caption_;
  int modalResult_ = 0;
};

// The class library's button with a picture; here a push button.
class TBitBtn : public TButton {
 public:
  using TButton::TButton;
};

class TSpeedButton : public TControl {
 public:
  explicit TSpeedButton(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index) { groupIndex_ = index; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value) { allowAllUp_ = value; }
  bool Down() const { return down_; }
  // Down raises the other buttons of the group. A button of no group (0)
  // never stays down; without all-up the down button of a group stays down.
  void SetDown(bool down);

  // A click of the mouse: the group's rule for Down, then the click event.
  void ClickByMouse();
  bool ClicksFromMouse() const override { return false; }

 private:
  void ShowDown(bool down);
  std::string caption_;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool down_ = false;
};

}  // namespace platform
