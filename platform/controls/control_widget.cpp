#include "platform/controls/control_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVariant>

#include "platform/controls/control.h"
#include "platform/controls/drag_tracker.h"
#include "platform/controls/win_control.h"

namespace platform {
namespace {

constexpr const char* kControlProperty = "tesselControl";

// The left button went down on this control and has not come up. The
// down of a double click makes no click of its own.
struct PressState {
  TRef<TControl> control;
  bool clickPending = false;
};

PressState& Pressed() {
  static PressState state;
  return state;
}

TMouseButton ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
  }
}

TShiftState ShiftOf(const QMouseEvent& event) {
  TShiftState shift = 0;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  const Qt::MouseButtons buttons = event.buttons();
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

// Client coordinates of the control for a point of the widget the event
// came to.
TPoint ClientPoint(const TControl& control, QPoint global) {
  return control.ScreenToClient(TPoint{global.x(), global.y()});
}

bool Inside(const TControl& control, TPoint point) {
  return point.X >= 0 && point.Y >= 0 && point.X < control.ClientWidth() && point.Y < control.ClientHeight();
}

}  // namespace

ControlWidget::ControlWidget(TControl& control) : control_(control) {}

void ControlWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  control_.Paint(painter);
}

void BindWidget(QWidget& widget, TControl& control) {
  widget.setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(&control)));
}

void UnbindWidget(QWidget& widget) { widget.setProperty(kControlProperty, QVariant()); }

TControl* ControlOfWidget(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    const QVariant value = w->property(kControlProperty);
    if (value.isValid()) return static_cast<TControl*>(value.value<void*>());
  }
  return nullptr;
}

ControlEventFilter& ControlEventFilter::Instance() {
  static ControlEventFilter filter;
  return filter;
}

bool ControlEventFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonDblClick)
    return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  TControl* found = ControlOfWidget(widget);
  if (!found) return false;
  // A disabled control lets the mouse through to what lies under it: Qt
  // offers an event that a disabled widget refuses to its parent next.
  if (!found->Enabled() || !widget->isEnabled()) return false;
  TRef<TControl> control = found;
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint global = mouse->globalPosition().toPoint();
  drag::SetCurrentMousePosition(global);
  const TPoint point = ClientPoint(*control, global);
  const TShiftState shift = ShiftOf(*mouse);
  const bool native = !control->ClicksFromMouse();

  switch (type) {
    case QEvent::MouseButtonPress: {
      const TMouseButton button = ButtonOf(mouse->button());
      if (button == TMouseButton::mbLeft) Pressed() = PressState{control, true};
      control->MouseDown(button, shift, point.X, point.Y);
      return !native;
    }
    case QEvent::MouseButtonDblClick: {
      // The class library reports the double click before the second down,
      // and the first down and up have already made the click.
      const TMouseButton button = ButtonOf(mouse->button());
      if (button == TMouseButton::mbLeft) {
        Pressed() = PressState{control, false};
        control->DblClick();
      }
      if (control) control->MouseDown(button, shift | ssDouble, point.X, point.Y);
      return !native;
    }
    case QEvent::MouseMove:
      if (drag::HandleMove(global)) return true;
      control->MouseMove(shift, point.X, point.Y);
      // Only the control under the mouse hears of the move; Qt would offer
      // it to the parents too.
      return !native;
    case QEvent::MouseButtonRelease: {
      if (drag::HandleRelease(global)) return true;
      const TMouseButton button = ButtonOf(mouse->button());
      const bool clicked =
          button == TMouseButton::mbLeft && Pressed().control.Get() == control.Get() && Pressed().clickPending;
      if (button == TMouseButton::mbLeft) Pressed() = PressState{};
      control->MouseUp(button, shift, point.X, point.Y);
      if (control && clicked && !native && Inside(*control, point)) control->Click();
      return !native;
    }
    default:
      return false;
  }
}

void TControl::BeginDrag(bool immediate) {
  TRef<TControl> self = this;
  // The class library releases a left button held on the control at once,
  // so its click comes before the drag moves anything, even an immediate
  // drag's first drag-over.
  if (Pressed().control.Get() == this) {
    const bool clickPending = Pressed().clickPending;
    Pressed() = PressState{};
    const TPoint point = ClientPoint(*this, drag::CurrentMousePosition());
    MouseUp(TMouseButton::mbLeft, 0, point.X, point.Y);
    if (self && clickPending) Click();
  }
  if (self) drag::Begin(*this, immediate, drag::CurrentMousePosition());
}

}  // namespace platform
