#include "engine/up_down_control.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "platform/text/number_text.h"

namespace engine {

UpDownControl::UpDownControl(QLineEdit& buddy, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  up_->setGeometry(0, 0, 17, 11);
  down_->setGeometry(0, 11, 17, 11);
  up_->setAutoRepeat(true);
  down_->setAutoRepeat(true);
  connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
  buddy_.installEventFilter(this);
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &buddy_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Step(key == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void UpDownControl::SetRange(int32_t minimum, int32_t maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  position_ = std::clamp(position_, minimum_, maximum_);
}

void UpDownControl::SetPosition(int32_t position) {
  position_ = std::clamp(position, minimum_, maximum_);
}

void UpDownControl::Step(int32_t delta) {
  // Like the platform's associated up-down, the box's number is where a step
  // starts from; a box holding no number leaves the last position.
  if (const auto typed = platform::TryStrToInt(buddy_.text().toStdString())) {
    position_ = std::clamp(*typed, minimum_, maximum_);
  }
  const int64_t wanted = static_cast<int64_t>(position_) + delta;
  if (wanted < minimum_ || wanted > maximum_) return;  // no wrap-around
  if (changing_) changing_();
  position_ = static_cast<int32_t>(wanted);
  buddy_.setText(QString::number(position_));
}

}  // namespace engine
