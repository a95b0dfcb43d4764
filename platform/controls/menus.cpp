#include "platform/controls/menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>
#include <QPointer>
#include <QStringList>

#include <algorithm>

#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace platform {
namespace {

PopupRecorder& CurrentPopupRecorder() {
  static PopupRecorder recorder;
  return recorder;
}

QString ToQString(const std::string& ansi) { return QString::fromStdString(Win1252ToUtf8(ansi)); }

// The class library's key names where Qt's differ: its "Enter" is the main
// keyboard's Return, which Qt calls by that name.
QKeySequence KeySequenceOf(const std::string& shortCut) {
  QStringList keys = QString::fromStdString(shortCut).split(QChar('+'));
  for (QString& key : keys) {
    if (key == "BkSp") key = "Backspace";
    if (key == "Enter") key = "Return";
  }
  return QKeySequence(keys.join(QChar('+')));
}

}  // namespace

struct TMenuItem::QtSide {
  std::unique_ptr<QAction> action;
  std::unique_ptr<QMenu> menu;
};

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), qt_(std::make_unique<QtSide>()) {
  EnsureApplication();
  qt_->action = std::make_unique<QAction>();
  QObject::connect(qt_->action.get(), &QAction::triggered, [this] { Click(); });
}

TMenuItem::~TMenuItem() {
  BeginDestroy();
  while (!items_.empty()) Delete(Count() - 1);
  if (parent_) parent_->Remove(this);
  if (qt_->menu) qt_->menu->clear();
  qt_->action->setMenu(static_cast<QMenu*>(nullptr));
}

void TMenuItem::NameChanged() { qt_->action->setObjectName(QString::fromStdString(Name())); }

void TMenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  const bool separator = caption == "-";
  qt_->action->setSeparator(separator);
  // Some styles draw a separator's text beside its line.
  qt_->action->setText(separator ? QString() : ToQString(caption));
  if (qt_->menu) qt_->menu->setTitle(ToQString(caption));
}

void TMenuItem::SetShortCut(const std::string& shortCut) {
  shortCut_ = shortCut;
  qt_->action->setShortcut(KeySequenceOf(shortCut));
  qt_->action->setShortcutContext(Qt::WindowShortcut);
}

void TMenuItem::SetChecked(bool checked) {
  checked_ = checked;
  qt_->action->setCheckable(checked || qt_->action->isCheckable());
  qt_->action->setChecked(checked);
}

void TMenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  qt_->action->setEnabled(enabled);
}

void TMenuItem::SetVisible(bool visible) {
  visible_ = visible;
  qt_->action->setVisible(visible);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  const auto found = std::find(items_.begin(), items_.end(), item);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

int TMenuItem::MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) return;
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Rebuild();
}

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index < 0) return;
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  if (!Destroying()) Rebuild();
}

void TMenuItem::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  delete items_[static_cast<std::size_t>(index)];
}

void TMenuItem::Rebuild() {
  if (!qt_->menu) {
    qt_->menu = std::make_unique<QMenu>();
    qt_->menu->setTitle(ToQString(caption_));
    qt_->action->setMenu(qt_->menu.get());
  }
  qt_->menu->clear();
  for (TMenuItem* item : items_) qt_->menu->addAction(item->Action());
  if (auto* mainMenu = dynamic_cast<TMainMenu*>(Owner()); mainMenu && mainMenu->Items() == this)
    mainMenu->ItemsChanged();
}

void TMenuItem::Click() {
  // A disabled item cannot be chosen, so its command does not run.
  if (!enabled_) return;
  Dispatch([&] {
    if (OnClick) OnClick(this);
  });
}

QAction* TMenuItem::Action() const { return qt_->action.get(); }

QMenu* TMenuItem::SubMenu() const { return qt_->menu.get(); }

struct TMainMenu::BarLink {
  QPointer<QMenuBar> bar;
};

TMainMenu::TMainMenu(TComponent* owner)
    : TComponent(owner), root_(new TMenuItem(this)), bar_(std::make_unique<BarLink>()) {}

TMainMenu::~TMainMenu() {
  BeginDestroy();
  bar_->bar = nullptr;
}

void TMainMenu::AttachTo(QMenuBar* bar) {
  bar_->bar = bar;
  ItemsChanged();
}

void TMainMenu::ItemsChanged() {
  if (!bar_ || !bar_->bar || Destroying()) return;
  QMenuBar& bar = *bar_->bar;
  bar.clear();
  for (int i = 0; i < root_->Count(); ++i) bar.addAction(root_->Items(i)->Action());
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), root_(new TMenuItem(this)) {}

TPopupMenu::~TPopupMenu() { BeginDestroy(); }

void TPopupMenu::Popup(int x, int y) {
  if (const PopupRecorder recorder = CurrentPopupRecorder()) {
    recorder(*this, x, y);
    return;
  }
  if (!HasDisplay()) return;
  if (root_->Count() == 0) return;
  QMenu* menu = root_->SubMenu();
  if (menu && !menu->isVisible()) menu->popup(QPoint(x, y));
}

ScopedPopupRecorder::ScopedPopupRecorder(PopupRecorder recorder) : previous_(CurrentPopupRecorder()) {
  CurrentPopupRecorder() = std::move(recorder);
}

ScopedPopupRecorder::~ScopedPopupRecorder() { CurrentPopupRecorder() = std::move(previous_); }

}  // namespace platform
