#include "platform/controls/drag_tracker.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>

#include "platform/controls/component.h"
#include "platform/controls/control.h"
#include "platform/controls/form.h"
#include "platform/controls/win_control.h"

namespace platform::drag {
namespace {

struct DragState {
  TRef<TControl> source;
  bool active = false;
  QPoint start;
  QPoint last;
  TRef<TControl> target;
  TPoint targetPoint;
  bool accepted = false;
};

DragState& State() {
  static DragState state;
  return state;
}

QPoint& MousePosition() {
  static QPoint position;
  return position;
}

// The control under a screen point on the source's form: the innermost
// visible, enabled one, as the class library looks for a drop target.
TControl* TargetAt(const TControl& source, QPoint global) {
  TForm* form = source.ParentForm();
  if (!form) return nullptr;
  const TPoint local = form->ScreenToClient(TPoint{global.x(), global.y()});
  if (local.X < 0 || local.Y < 0 || local.X >= form->ClientWidth() || local.Y >= form->ClientHeight())
    return nullptr;
  TControl* found = form->ControlAtPos(local, false, true);
  return found ? found : form;
}

// Whether the drag that source began is still going: a handler may have
// freed the source or ended the drag.
bool StillDragging(const TRef<TControl>& source) { return source && State().source.Get() == source.Get(); }

void SendDragOver(QPoint global, TDragState dragState) {
  DragState& state = State();
  const TRef<TControl> source = state.source;
  if (!source) return;
  const TRef<TControl> target = TargetAt(*source, global);
  const TRef<TControl> previous = state.target;
  const bool sameTarget = previous && previous.Get() == target.Get();
  if (previous && !sameTarget) {
    const TPoint point = previous->ScreenToClient(TPoint{global.x(), global.y()});
    previous->DragOver(source, point.X, point.Y, TDragState::dsDragLeave);
    if (!StillDragging(source)) return;
  }
  state.target = target.Get();
  state.accepted = false;
  if (!target) return;
  const TPoint point = target->ScreenToClient(TPoint{global.x(), global.y()});
  state.targetPoint = point;
  const bool accepted =
      target->DragOver(source, point.X, point.Y, sameTarget ? dragState : TDragState::dsDragEnter);
  if (!StillDragging(source)) return;
  state.accepted = accepted && target;
  if (QWidget* widget = source->Widget()) widget->setCursor(state.accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

}  // namespace

void Begin(TControl& source, bool immediate, QPoint globalStart) {
  DragState& state = State();
  state = DragState{};
  state.source = &source;
  state.start = globalStart;
  state.last = globalStart;
  state.active = immediate;
  if (immediate) SendDragOver(globalStart, TDragState::dsDragEnter);
}

bool InProgress() { return State().source.Get() != nullptr; }

TControl* Source() { return State().source; }

bool HandleMove(QPoint global) {
  DragState& state = State();
  if (!state.source) return false;
  state.last = global;
  if (!state.active) {
    // The threshold is per axis: a short diagonal move starts nothing.
    const QPoint moved = global - state.start;
    if (std::abs(moved.x()) < kThreshold && std::abs(moved.y()) < kThreshold) return true;
    state.active = true;
  }
  SendDragOver(global, TDragState::dsDragMove);
  return true;
}

bool HandleRelease(QPoint global) {
  DragState& state = State();
  if (!state.source) return false;
  state.last = global;
  End(true);
  return true;
}

void End(bool drop) {
  DragState& state = State();
  TControl* source = state.source;
  if (!source) return;
  TControl* target = (drop && state.active && state.accepted) ? state.target.Get() : nullptr;
  const TPoint point = state.targetPoint;
  state = DragState{};
  if (QWidget* widget = source->Widget()) widget->unsetCursor();
  source->DoEndDrag(target, target ? point.X : 0, target ? point.Y : 0);
}

void Forget(const TControl& control) {
  DragState& state = State();
  if (state.source.Get() == &control) state = DragState{};
}

QPoint CurrentMousePosition() { return MousePosition(); }

void SetCurrentMousePosition(QPoint global) { MousePosition() = global; }

}  // namespace platform::drag
