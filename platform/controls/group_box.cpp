#include "platform/controls/group_box.h"

#include <QGroupBox>

#include "platform/text/win1252.h"

namespace platform {

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
  AttachWidget(new QGroupBox());
  SetBounds(0, 0, 185, 105);
}

void TGroupBox::SetCaption(const std::string& caption) {
  caption_ = caption;
  static_cast<QGroupBox*>(Widget())->setTitle(QString::fromStdString(Win1252ToUtf8(caption)));
}

}  // namespace platform
