#include "platform/controls/win_control.h"

#include <QWidget>

#include <algorithm>

namespace platform {

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  BeginDestroy();
  // Children go first: each takes itself out of both lists and frees its
  // widget before this control's widget goes.
  while (!windowed_.empty()) delete windowed_.back();
  while (!graphic_.empty()) delete graphic_.back();
}

TControl* TWinControl::Controls(int index) const {
  const auto i = static_cast<std::size_t>(index);
  if (i < graphic_.size()) return graphic_[i];
  return windowed_.at(i - graphic_.size());
}

int TWinControl::IndexOfControl(const TControl* control) const {
  const auto g = std::find(graphic_.begin(), graphic_.end(), control);
  if (g != graphic_.end()) return static_cast<int>(g - graphic_.begin());
  const auto w = std::find(windowed_.begin(), windowed_.end(), control);
  if (w != windowed_.end()) return static_cast<int>(graphic_.size() + static_cast<std::size_t>(w - windowed_.begin()));
  return -1;
}

void TWinControl::InsertControl(TControl* control) {
  (control->IsWindowed() ? windowed_ : graphic_).push_back(control);
  StackNewChild(*control);
  ControlsChanged();
}

void TWinControl::RemoveControl(TControl* control) {
  // Both lists: a control being destroyed no longer knows its own kind.
  for (std::vector<TControl*>* list : {&windowed_, &graphic_}) {
    const auto found = std::find(list->rbegin(), list->rend(), control);
    if (found != list->rend()) list->erase(std::next(found).base());
  }
  if (!Destroying()) ControlsChanged();
}

void TWinControl::StackNewChild(TControl& control) {
  // Non-windowed children lie under the windowed ones, each kind in the
  // order added: a new one goes on top of its kind.
  QWidget* widget = control.Widget();
  if (!widget) return;
  if (control.IsWindowed() || windowed_.empty() || !windowed_.front()->Widget()) {
    widget->raise();
  } else {
    widget->stackUnder(windowed_.front()->Widget());
  }
}

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled, bool deep) const {
  auto hit = [&](TControl* control) {
    if (!control->Visible() || (!control->Enabled() && !allowDisabled)) return false;
    return point.X >= control->Left() && point.Y >= control->Top() &&
           point.X < control->Left() + control->Width() && point.Y < control->Top() + control->Height();
  };
  for (auto it = windowed_.rbegin(); it != windowed_.rend(); ++it) {
    if (!hit(*it)) continue;
    auto* inner = static_cast<TWinControl*>(*it);
    if (deep) {
      const TPoint local = inner->ScreenToClient(ClientToScreen(point));
      if (TControl* deeper = inner->ControlAtPos(local, allowDisabled, true)) return deeper;
    }
    return inner;
  }
  for (auto it = graphic_.rbegin(); it != graphic_.rend(); ++it)
    if (hit(*it)) return *it;
  return nullptr;
}

TRect TWinControl::AlignRect() const { return TRect{0, 0, ClientWidth(), ClientHeight()}; }

void TWinControl::AlignControls() {
  TRect area = AlignRect();
  auto place = [&](TControl* control) {
    const TBounds b = control->Bounds();
    switch (control->Align()) {
      case TAlign::alTop:
        control->SetAlignedBounds(TBounds{area.Left, area.Top, area.Right - area.Left, b.Height});
        area.Top += b.Height;
        break;
      case TAlign::alBottom:
        control->SetAlignedBounds(TBounds{area.Left, area.Bottom - b.Height, area.Right - area.Left, b.Height});
        area.Bottom -= b.Height;
        break;
      case TAlign::alLeft:
        control->SetAlignedBounds(TBounds{area.Left, area.Top, b.Width, area.Bottom - area.Top});
        area.Left += b.Width;
        break;
      case TAlign::alRight:
        control->SetAlignedBounds(TBounds{area.Right - b.Width, area.Top, b.Width, area.Bottom - area.Top});
        area.Right -= b.Width;
        break;
      default:
        break;
    }
  };
  // The class library aligns top, bottom, left and right before client,
  // and a hidden control takes no room.
  for (TAlign kind : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight})
    for (int i = 0; i < ControlCount(); ++i)
      if (Controls(i)->Align() == kind && Controls(i)->Visible()) place(Controls(i));
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->Align() == TAlign::alClient && Controls(i)->Visible())
      Controls(i)->SetAlignedBounds(
          TBounds{area.Left, area.Top, area.Right - area.Left, area.Bottom - area.Top});
}

void TWinControl::ScaleBy(int32_t m, int32_t d) {
  if (m == d || d == 0) return;
  ApplyScaleStep(TScaleStep{m, d}, true);
}

void TWinControl::ApplyScaleStep(TScaleStep step, bool root) {
  // Children first, as the class library scales a window's children before
  // the window itself.
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->ApplyScaleStep(step, false);
  TControl::ApplyScaleStep(step, root);
  AlignControls();
}

void TWinControl::AdoptScale(const std::vector<TScaleStep>& steps, bool keepDesign) {
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->AdoptScale(steps, true);
  TControl::AdoptScale(steps, keepDesign);
  AlignControls();
}

void TWinControl::Repaint() {
  TControl::Repaint();
  // The non-windowed children are painted as part of this window, so they
  // are repainted with it (a paint box loses what was drawn on it); the
  // windowed ones keep what they show.
  for (int i = 0; i < ControlCount(); ++i)
    if (!Controls(i)->IsWindowed()) Controls(i)->Repaint();
}

QWidget* TWinControl::ClientWidget() const { return Widget(); }

void TWinControl::BoundsChanged() { AlignControls(); }

void TWinControl::FontChanged() {
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->ParentFont()) {
      Controls(i)->ApplyFontToWidget();
      Controls(i)->FontChanged();
    }
}

void TWinControl::ColorChanged() {
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->ParentColor()) {
      Controls(i)->ColorChanged();
      Controls(i)->Invalidate();
    }
}

}  // namespace platform
