#pragma once
// Menus of the class library: items with a caption, shortcut, check mark
// and click handler, holding sub-items; a main menu shown in a form's menu
// bar and popup menus opened at a screen point. Items are found by their
// component name (a Qt action of that object name stands for each).
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/component.h"
#include "platform/controls/control.h"

class QAction;
class QMenu;
class QMenuBar;

namespace platform {

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  // "-" makes a separator.
  void SetCaption(const std::string& caption);
  // As the class library writes shortcuts: "Ctrl+S", "F2", "Alt+BkSp".
  void SetShortCut(const std::string& shortCut);
  const std::string& ShortCut() const { return shortCut_; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  int IndexOf(const TMenuItem* item) const;
  // The item takes the sub-item into its list (not into its ownership).
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Takes the item out of the list without freeing it.
  void Remove(TMenuItem* item);
  // Takes the item at index out of the list and frees it.
  void Delete(int index);
  TMenuItem* Parent() const { return parent_; }
  // The position of the item among its parent's items; -1 without one.
  int MenuIndex() const;

  TNotifyEvent OnClick;
  // Runs the item's command as choosing it does; a disabled item does
  // nothing.
  void Click();

  // Internal: the Qt side.
  QAction* Action() const;
  QMenu* SubMenu() const;

 protected:
  void NameChanged() override;

 private:
  void Rebuild();
  std::string caption_;
  std::string shortCut_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  struct QtSide;
  std::unique_ptr<QtSide> qt_;
};

class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;
  // The top-level items ("File", "Edit", ...).
  TMenuItem* Items() const { return root_; }
  // Internal: puts the menu into a form's menu bar (null: takes it out),
  // which then follows the top-level items as they come and go.
  void AttachTo(QMenuBar* bar);
  void ItemsChanged();

 private:
  TMenuItem* root_;
  struct BarLink;
  std::unique_ptr<BarLink> bar_;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;
  TMenuItem* Items() const { return root_; }
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }
  // Opens the menu at a screen point; it does not wait for the choice.
  void Popup(int x, int y);

 private:
  TMenuItem* root_;
  bool autoPopup_ = true;
};

// Tests take the popups instead of showing them.
using PopupRecorder = std::function<void(TPopupMenu& menu, int x, int y)>;
class ScopedPopupRecorder {
 public:
  explicit ScopedPopupRecorder(PopupRecorder recorder);
  ~ScopedPopupRecorder();
  ScopedPopupRecorder(const ScopedPopupRecorder&) = delete;
  ScopedPopupRecorder& operator=(const ScopedPopupRecorder&) = delete;

 private:
  PopupRecorder previous_;
};

}  // namespace platform
