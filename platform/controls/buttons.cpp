#include "platform/controls/buttons.h"

#include <QPushButton>
#include <QToolButton>

#include "platform/controls/form.h"
#include "platform/text/win1252.h"

namespace platform {
namespace {

QString ToQString(const std::string& ansi) { return QString::fromStdString(Win1252ToUtf8(ansi)); }

}  // namespace

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  auto* button = new QPushButton();
  QObject::connect(button, &QPushButton::clicked, [this] { Click(); });
  AttachWidget(button);
  SetBounds(0, 0, 75, 25);
}

void TButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  static_cast<QPushButton*>(Widget())->setText(ToQString(caption));
}

void TButton::SetDefault(bool value) {
  static_cast<QPushButton*>(Widget())->setDefault(value);
  if (TForm* form = ParentForm()) form->SetDefaultButton(value ? this : nullptr);
}

void TButton::SetCancel(bool value) {
  if (TForm* form = ParentForm()) form->SetCancelButton(value ? this : nullptr);
}

void TButton::Click() {
  if (!Enabled()) return;
  TRef<TButton> self = this;
  if (TForm* form = ParentForm(); form && modalResult_ != 0) form->SetModalResult(modalResult_);
  if (self) TControl::Click();
}

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner) {
  auto* button = new QToolButton();
  // Checkable only for the look of a button held down; Down is ours.
  button->setCheckable(true);
  button->setAutoRaise(true);
  QObject::connect(button, &QToolButton::clicked, [this] { ClickByMouse(); });
  AttachWidget(button);
  SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  static_cast<QToolButton*>(Widget())->setText(ToQString(caption));
}

void TSpeedButton::SetDown(bool down) {
  // Only a button of a group stays down, and the one that is down in a
  // group that may not be all up stays so until another goes down.
  if (groupIndex_ == 0) down = false;
  if (down_ && !down && !allowAllUp_) return;
  ShowDown(down);
  if (!down || !Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) other->ShowDown(false);
  }
}

void TSpeedButton::ShowDown(bool down) {
  down_ = down;
  static_cast<QToolButton*>(Widget())->setChecked(down);
}

void TSpeedButton::ClickByMouse() {
  SetDown(!down_);
  // Qt checked the tool button by itself; show Down again.
  ShowDown(down_);
  Click();
}

}  // namespace platform
