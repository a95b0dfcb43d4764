#pragma once
// TWinControl: a control that holds child controls. Its children stand in
// the class library's order: first the non-windowed ones (labels, paint
// boxes, shapes, images) in the order they were added, then the windowed
// ones (panels and the like) in theirs; windowed children show above the
// others. Freeing a windowed control frees its children with it.
// Repainting it repaints its non-windowed children too.
#include <vector>

#include "platform/controls/control.h"

namespace platform {

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(graphic_.size() + windowed_.size()); }
  TControl* Controls(int index) const;
  int IndexOfControl(const TControl* control) const;

  // The topmost visible child at a point of the client area; disabled
  // children count only with allowDisabled. With deep, the search goes on
  // into windowed children and gives the innermost control.
  TControl* ControlAtPos(TPoint point, bool allowDisabled, bool deep = false) const;

  // The area the aligned children share (the client area less the bevels).
  virtual TRect AlignRect() const;
  void AlignControls();

  bool IsWindowed() const override { return true; }
  void ScaleBy(int32_t m, int32_t d) override;
  void Repaint() override;

  // Internal: the widget the children's widgets live in.
  virtual QWidget* ClientWidget() const;

 protected:
  void BoundsChanged() override;
  void FontChanged() override;
  void ColorChanged() override;
  void AdoptScale(const std::vector<TScaleStep>& steps, bool keepDesign) override;
  void ApplyScaleStep(TScaleStep step, bool root) override;
  // Called after a child came or went, and after one moved or resized.
  virtual void ControlsChanged() {}
  virtual void ChildBoundsChanged() {}

 private:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void StackNewChild(TControl& control);

  std::vector<TControl*> graphic_;
  std::vector<TControl*> windowed_;
};

}  // namespace platform
