#pragma once
// The up-down control bound to the page box: two arrow buttons that move a
// position within a range, without wrap-around. Before it moves it tells its
// owner (the "changing" event), then it writes the new position into the box.
// The Up and Down arrow keys in the box step it as the arrows do.
#include <QWidget>
#include <cstdint>
#include <functional>

class QLineEdit;
class QToolButton;

namespace engine {

class UpDownControl : public QWidget {
 public:
  UpDownControl(QLineEdit& buddy, QWidget* parent);

  void SetRange(int32_t minimum, int32_t maximum);
  int32_t Position() const { return position_; }
  void SetPosition(int32_t position);
  void OnChanging(std::function<void()> handler) { changing_ = std::move(handler); }

  // What a click on the arrows does: +1 up, -1 down.
  void Step(int32_t delta);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit& buddy_;
  QToolButton* up_;
  QToolButton* down_;
  int32_t minimum_ = 1;
  int32_t maximum_ = 1;
  int32_t position_ = 1;
  std::function<void()> changing_;
};

}  // namespace engine
