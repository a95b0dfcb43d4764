#pragma once
// TScrollBox: a windowed control whose children may reach beyond its
// bounds; scroll bars then move the view over them. Children's positions
// are in the scrolled area, whatever the scroll positions are.
#include <memory>

#include "platform/controls/win_control.h"

namespace platform {

class TScrollBox : public TWinControl {
 public:
  explicit TScrollBox(TComponent* owner);
  ~TScrollBox() override;

  int HorzPosition() const;
  void SetHorzPosition(int position);
  int VertPosition() const;
  void SetVertPosition(int position);
  // A sunken frame of two pixels, or none.
  void SetBorder(bool sunken);

  // Inside the frame: children aligned to fill the box fill what shows.
  int ClientWidth() const override;
  int ClientHeight() const override;

  QWidget* ClientWidget() const override;
  void Paint(QPainter& painter) override;
  // Internal: the scrolled area follows the children.
  void UpdateScrollRange();

 protected:
  void BoundsChanged() override;
  void ControlsChanged() override;
  void ChildBoundsChanged() override;
  void ColorChanged() override;

 private:
  struct Area;
  std::unique_ptr<Area> area_;
};

}  // namespace platform
