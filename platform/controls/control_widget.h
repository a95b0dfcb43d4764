#pragma once
// Internal to the platform: the Qt side of a control. ControlWidget is the
// plain widget that paints through its control; the event filter turns the
// mouse events of any control's widget into the class library's events.
#include <QObject>
#include <QWidget>

namespace platform {

class TControl;

class ControlWidget : public QWidget {
 public:
  explicit ControlWidget(TControl& control);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TControl& control_;
};

// The control a widget shows (walking up to the nearest widget that shows
// one), or null.
TControl* ControlOfWidget(const QWidget* widget);
void BindWidget(QWidget& widget, TControl& control);
void UnbindWidget(QWidget& widget);

class ControlEventFilter : public QObject {
 public:
  static ControlEventFilter& Instance();
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace platform
