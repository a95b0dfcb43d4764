#pragma once
// Combo boxes (a list with an edit field) and check-list boxes.
#include <string>
#include <vector>

#include "platform/controls/win_control.h"

namespace platform {

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* owner);

  std::vector<std::string> Items() const;
  void SetItems(const std::vector<std::string>& items);
  // -1 when the text selects no entry.
  int ItemIndex() const;
  // Selects an entry (-1: none) without the change event, as setting it in
  // code does not fire it.
  void SetItemIndex(int index);
  std::string Text() const;
  void SetText(const std::string& text);

  // Fires when the person picks an entry or types.
  TNotifyEvent OnChange;
  // Picks an entry as the person does: selects it and fires OnChange.
  void SelectByUser(int index);
  bool ClicksFromMouse() const override { return false; }
};

class TCheckListBox : public TWinControl {
 public:
  explicit TCheckListBox(TComponent* owner);

  int Count() const;
  std::string Item(int index) const;
  void Clear();
  void Add(const std::string& item);
  bool Checked(int index) const;
  void SetChecked(int index, bool checked);
  bool ClicksFromMouse() const override { return false; }
};

}  // namespace platform
