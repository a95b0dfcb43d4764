#include "platform/controls/control.h"

#include <QWidget>

#include <algorithm>
#include <exception>

#include "platform/controls/classic_look.h"
#include "platform/controls/control_widget.h"
#include "platform/controls/drag_tracker.h"
#include "platform/controls/exceptions.h"
#include "platform/controls/form.h"
#include "platform/controls/win_control.h"
#include "platform/drawing/qt_drawing_tools.h"
#include "platform/system/message_box.h"
#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace platform {
namespace {

int32_t Scale(int32_t value, TScaleStep step) {
  return static_cast<int32_t>(MulDiv(value, step.M, step.D));
}

TBounds ScaleOnce(const TBounds& b, TScaleStep step, bool keepOrigin) {
  TBounds out;
  out.Left = Scale(b.Left, step);
  out.Top = Scale(b.Top, step);
  out.Width = Scale(b.Left + b.Width, step) - out.Left;
  out.Height = Scale(b.Top + b.Height, step) - out.Top;
  // A control scaled itself is sized as a child standing there would be,
  // and then put back where it stood.
  if (keepOrigin) {
    out.Left = b.Left;
    out.Top = b.Top;
  }
  return out;
}

TScaleStep Inverse(TScaleStep step) { return TScaleStep{step.D, step.M}; }

// A control's steps are of two kinds: its own ScaleBy keeps its place, and a
// step its parent took moves it by the rule like every other child.
TBounds ScaleAlong(TBounds bounds, const std::vector<TScaleStep>& steps, const std::vector<bool>& own) {
  for (std::size_t i = 0; i < steps.size(); ++i) bounds = ScaleOnce(bounds, steps[i], own[i]);
  return bounds;
}

TBounds UnscaleAlong(TBounds bounds, const std::vector<TScaleStep>& steps, const std::vector<bool>& own) {
  for (std::size_t i = steps.size(); i-- > 0;) bounds = ScaleOnce(bounds, Inverse(steps[i]), own[i]);
  return bounds;
}

// The design bounds that bounds set at the present scale stand for. What
// the caller left as it was keeps its design value, so that rounding at one
// scale never flows back into the design: a control moved keeps its design
// size, one sized from its right or bottom edge keeps its design place.
TBounds DesignOfWanted(const TBounds& wanted, const TBounds& shown, const TBounds& design,
                       const std::vector<TScaleStep>& steps, const std::vector<bool>& own) {
  const TBounds unscaled = UnscaleAlong(wanted, steps, own);
  TBounds result;
  result.Left = wanted.Left == shown.Left ? design.Left : unscaled.Left;
  result.Top = wanted.Top == shown.Top ? design.Top : unscaled.Top;
  result.Width = wanted.Width == shown.Width ? design.Width : unscaled.Left + unscaled.Width - result.Left;
  result.Height = wanted.Height == shown.Height ? design.Height : unscaled.Top + unscaled.Height - result.Top;
  return result;
}

}  // namespace

TBounds ScaleBounds(const TBounds& bounds, const std::vector<TScaleStep>& steps, bool keepOrigin) {
  TBounds out = bounds;
  for (const TScaleStep& step : steps) out = ScaleOnce(out, step, keepOrigin);
  return out;
}

TBounds UnscaleBounds(const TBounds& bounds, const std::vector<TScaleStep>& steps, bool keepOrigin) {
  TBounds out = bounds;
  for (auto it = steps.rbegin(); it != steps.rend(); ++it) out = ScaleOnce(out, Inverse(*it), keepOrigin);
  return out;
}

int32_t ScaleValue(int32_t value, const std::vector<TScaleStep>& steps) {
  for (const TScaleStep& step : steps) value = Scale(value, step);
  return value;
}

int32_t UnscaleValue(int32_t value, const std::vector<TScaleStep>& steps) {
  for (auto it = steps.rbegin(); it != steps.rend(); ++it) value = Scale(value, Inverse(*it));
  return value;
}

void Dispatch(const std::function<void()>& handler) {
  if (!handler) return;
  try {
    handler();
  } catch (const Exception& error) {
    if (error.UnicodeMessage()) ShowUnicodeErrorMessage(error.Message());
    else ShowErrorMessage(error.Message());
  } catch (const std::exception& error) {
    ShowErrorMessage(error.what());
  } catch (...) {
    ShowErrorMessage("Unknown error");
  }
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  // Every control stands on a widget, and widgets need the application.
  EnsureApplication();
  font_ = TFont{"MS Sans Serif", 8, clWindowText, 0};
  screenFont_ = font_;
}

TControl::~TControl() {
  BeginDestroy();
  drag::Forget(*this);
  if (parent_) parent_->RemoveControl(this);
  parent_ = nullptr;
  if (widget_) {
    UnbindWidget(*widget_);
    delete widget_;
    widget_ = nullptr;
  }
}

void TControl::AttachWidget(QWidget* widget) {
  widget_ = widget;
  // What the control paints itself takes care of its own look.
  if (!dynamic_cast<ControlWidget*>(widget)) ApplyClassicLook(*widget);
  BindWidget(*widget, *this);
  widget->setMouseTracking(true);
  widget->installEventFilter(&ControlEventFilter::Instance());
  widget->setObjectName(QString::fromStdString(Win1252ToUtf8(Name())));
  ApplyFontToWidget();
  PlaceWidget();
}

void TControl::NameChanged() {
  if (widget_) widget_->setObjectName(QString::fromStdString(Win1252ToUtf8(Name())));
}

TForm* TControl::ParentForm() const {
  const TControl* control = this;
  while (control) {
    if (auto* form = dynamic_cast<TForm*>(const_cast<TControl*>(control))) return form;
    control = control->parent_;
  }
  return nullptr;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  const bool keepDesign = placed_;
  if (parent_) parent_->RemoveControl(this);
  parent_ = parent;
  if (widget_) {
    widget_->setParent(parent ? parent->ClientWidget() : nullptr);
    if (!parent && !dynamic_cast<TForm*>(this)) widget_->hide();
  }
  if (parent) {
    parent->InsertControl(this);
    AdoptScale(parent->ScaleSteps(), keepDesign);
    placed_ = true;
    UpdateEnabledState();
    ApplyFontToWidget();
    if (widget_) widget_->setVisible(visible_);
    parent->AlignControls();
  }
}

void TControl::SetLeft(int value) { SetBounds(value, bounds_.Top, bounds_.Width, bounds_.Height); }
void TControl::SetTop(int value) { SetBounds(bounds_.Left, value, bounds_.Width, bounds_.Height); }
void TControl::SetWidth(int value) { SetBounds(bounds_.Left, bounds_.Top, value, bounds_.Height); }
void TControl::SetHeight(int value) { SetBounds(bounds_.Left, bounds_.Top, bounds_.Width, value); }

void TControl::SetBounds(int left, int top, int width, int height) {
  const TBounds wanted{left, top, width, height};
  design_ = DesignOfWanted(wanted, bounds_, design_, steps_, ownSteps_);
  // What the view shows is always what the design bounds give at this
  // scale, so that scaling away and back finds the same bounds.
  bounds_ = ScaleAlong(design_, steps_, ownSteps_);
  PlaceWidget();
  BoundsChanged();
  if (parent_ && align_ != TAlign::alNone) parent_->AlignControls();
}

void TControl::SetDesignBounds(const TBounds& bounds) {
  design_ = bounds;
  bounds_ = ScaleAlong(design_, steps_, ownSteps_);
  PlaceWidget();
  BoundsChanged();
  if (parent_ && align_ != TAlign::alNone) parent_->AlignControls();
}

void TControl::SetSizes(int32_t screenWidth, int32_t screenHeight, int32_t designWidth, int32_t designHeight) {
  bounds_.Width = screenWidth;
  bounds_.Height = screenHeight;
  design_.Width = designWidth;
  design_.Height = designHeight;
  PlaceWidget();
  BoundsChanged();
}

void TControl::SetAlignedBounds(const TBounds& bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  design_ = UnscaleAlong(bounds, steps_, ownSteps_);
  PlaceWidget();
  BoundsChanged();
}

void TControl::PlaceWidget() {
  if (!widget_ || dynamic_cast<TForm*>(this)) return;
  widget_->setGeometry(bounds_.Left, bounds_.Top, std::max(0, bounds_.Width), std::max(0, bounds_.Height));
  if (parent_ && !parent_->Destroying()) parent_->ChildBoundsChanged();
}

void TControl::AdoptScale(const std::vector<TScaleStep>& steps, bool keepDesign) {
  // The parent's steps are all steps a child takes by the rule.
  steps_ = steps;
  ownSteps_.assign(steps.size(), false);
  if (!keepDesign) design_ = UnscaleAlong(bounds_, steps_, ownSteps_);
  Recompute();
}

void TControl::ApplyScaleStep(TScaleStep step, bool root) {
  // A step that undoes the last one takes it back, so that every road to
  // a scale ends at the same list of steps and the same bounds.
  if (!steps_.empty() && steps_.back() == Inverse(step) && ownSteps_.back() == root) {
    steps_.pop_back();
    ownSteps_.pop_back();
  } else {
    steps_.push_back(step);
    ownSteps_.push_back(root);
  }
  Recompute();
}

void TControl::Recompute() {
  bounds_ = ScaleAlong(design_, steps_, ownSteps_);
  if (!parentFont_) {
    screenFont_ = font_;
    screenFont_.Size = ScaleValue(font_.Size, steps_);
  }
  PlaceWidget();
  ApplyFontToWidget();
  FontChanged();
  BoundsChanged();
}

void TControl::ScaleBy(int32_t m, int32_t d) {
  if (m == d || d == 0) return;
  ApplyScaleStep(TScaleStep{m, d}, true);
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->AlignControls();
}

void TControl::SetVisible(bool visible) {
  const bool changed = visible != visible_;
  visible_ = visible;
  if (widget_ && (parent_ || dynamic_cast<TForm*>(this))) widget_->setVisible(visible);
  if (changed && parent_ && align_ != TAlign::alNone) parent_->AlignControls();
}

void TControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  UpdateEnabledState();
}

void TControl::UpdateEnabledState() {
  if (!widget_) return;
  widget_->setEnabled(enabled_);
  widget_->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled_ && !IsWindowed());
}

TColor TControl::Color() const { return (parentColor_ && parent_) ? parent_->Color() : color_; }

void TControl::SetColor(TColor color) {
  color_ = color;
  parentColor_ = false;
  ColorChanged();
  Invalidate();
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  ColorChanged();
  Invalidate();
}

TFont TControl::Font() const { return (parentFont_ && parent_) ? parent_->Font() : screenFont_; }

TFont TControl::DesignFont() const { return (parentFont_ && parent_) ? parent_->DesignFont() : font_; }

void TControl::SetFont(const TFont& font) {
  screenFont_ = font;
  font_ = font;
  font_.Size = UnscaleValue(font.Size, steps_);
  screenFont_.Size = ScaleValue(font_.Size, steps_);
  parentFont_ = false;
  ApplyFontToWidget();
  FontChanged();
  Invalidate();
}

void TControl::SetFontName(const std::string& name) {
  TFont font = Font();
  font.Name = name;
  SetFont(font);
}

void TControl::SetFontSize(int32_t points) {
  TFont font = Font();
  font.Size = points;
  SetFont(font);
}

void TControl::SetFontColor(TColor color) {
  TFont font = Font();
  font.Color = color;
  SetFont(font);
}

void TControl::SetFontStyle(uint8_t styleBits) {
  TFont font = Font();
  font.Style = styleBits;
  SetFont(font);
}

void TControl::SetParentFont(bool value) {
  // Given up, the parent's font stays as the control's own: asked while the
  // control still follows its parent.
  if (!value) font_ = DesignFont();
  parentFont_ = value;
  if (!value) {
    screenFont_ = font_;
    screenFont_.Size = ScaleValue(font_.Size, steps_);
  }
  ApplyFontToWidget();
  FontChanged();
  Invalidate();
}

void TControl::ApplyFontToWidget() {
  if (!widget_) return;
  widget_->setFont(ToQFont(Font(), 96));
}

void TControl::SetHint(const std::string& hint) {
  hint_ = hint;
  if (widget_) widget_->setToolTip(showHint_ ? QString::fromStdString(Win1252ToUtf8(hint_)) : QString());
}

void TControl::SetShowHint(bool value) {
  showHint_ = value;
  SetHint(hint_);
}

void TControl::Click() {
  Dispatch([&] {
    if (OnClick) OnClick(this);
  });
}

void TControl::DblClick() {
  Dispatch([&] {
    if (OnDblClick) OnDblClick(this);
  });
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  Dispatch([&] {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
  });
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  Dispatch([&] {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
  });
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  Dispatch([&] {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
  });
}

bool TControl::DragOver(TObject* source, int x, int y, TDragState state) {
  if (!OnDragOver) return false;
  bool accept = true;
  Dispatch([&] { OnDragOver(this, source, x, y, state, accept); });
  return accept;
}

void TControl::DoEndDrag(TObject* target, int x, int y) {
  Dispatch([&] {
    if (OnEndDrag) OnEndDrag(this, target, x, y);
  });
}

bool TControl::Dragging() const { return drag::Source() == this; }

void TControl::EndDrag(bool drop) {
  if (Dragging()) drag::End(drop);
}

void TControl::Invalidate() {
  if (widget_) widget_->update();
}

void TControl::Repaint() {
  if (widget_) widget_->update();
}

void TControl::BringToFront() {
  if (widget_) widget_->raise();
}

namespace {

// Client coordinates of a windowed control are those of the widget its
// children live in.
const QWidget* ClientOf(const TControl& control) {
  if (const auto* windowed = dynamic_cast<const TWinControl*>(&control)) return windowed->ClientWidget();
  return control.Widget();
}

}  // namespace

TPoint TControl::ClientToScreen(TPoint point) const {
  const QWidget* client = ClientOf(*this);
  if (!client) return point;
  const QPoint global = client->mapToGlobal(QPoint(point.X, point.Y));
  return TPoint{global.x(), global.y()};
}

TPoint TControl::ScreenToClient(TPoint point) const {
  const QWidget* client = ClientOf(*this);
  if (!client) return point;
  const QPoint local = client->mapFromGlobal(QPoint(point.X, point.Y));
  return TPoint{local.x(), local.y()};
}

void TControl::Paint(QPainter&) {}

}  // namespace platform
