#include "platform/controls/check_boxes.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSignalBlocker>

#include "platform/text/win1252.h"

namespace platform {
namespace {

QString ToQString(const std::string& ansi) { return QString::fromStdString(Win1252ToUtf8(ansi)); }

}  // namespace

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  auto* box = new QCheckBox();
  QObject::connect(box, &QCheckBox::clicked, [this] { Click(); });
  AttachWidget(box);
  SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetCaption(const std::string& caption) {
  caption_ = caption;
  static_cast<QCheckBox*>(Widget())->setText(ToQString(caption));
}

bool TCheckBox::Checked() const { return static_cast<QCheckBox*>(Widget())->isChecked(); }

void TCheckBox::SetChecked(bool checked) {
  auto* box = static_cast<QCheckBox*>(Widget());
  const QSignalBlocker block(box);
  box->setChecked(checked);
}

void TCheckBox::Toggle() {
  SetChecked(!Checked());
  Click();
}

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  auto* button = new QRadioButton();
  QObject::connect(button, &QRadioButton::clicked, [this] { Click(); });
  AttachWidget(button);
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  static_cast<QRadioButton*>(Widget())->setText(ToQString(caption));
}

bool TRadioButton::Checked() const { return static_cast<QRadioButton*>(Widget())->isChecked(); }

void TRadioButton::SetChecked(bool checked) {
  auto* button = static_cast<QRadioButton*>(Widget());
  const QSignalBlocker block(button);
  button->setChecked(checked);
}

void TRadioButton::Choose() {
  SetChecked(true);
  Click();
}

}  // namespace platform
