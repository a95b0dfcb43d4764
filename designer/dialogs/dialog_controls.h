#pragma once
// Making the named controls of a dialog in one line each, as its form
// description lists them.
#include "platform/controls/group_box.h"
#include "platform/controls/label.h"
#include "platform/controls/win_control.h"

namespace designer {

template <typename Control>
Control* MakeControl(platform::TComponent* owner, platform::TWinControl* parent, const char* name, int left, int top,
                     int width, int height) {
  auto* control = new Control(owner);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

// Buttons, check boxes, radio buttons and group boxes: a caption too.
template <typename Control>
Control* MakeCaptioned(platform::TComponent* owner, platform::TWinControl* parent, const char* name,
                       const char* caption, int left, int top, int width, int height) {
  auto* control = MakeControl<Control>(owner, parent, name, left, top, width, height);
  control->SetCaption(caption);
  return control;
}

// Labels size themselves to their caption and show the dialog's own
// background behind it.
inline platform::TLabel* MakeLabel(platform::TComponent* owner, platform::TWinControl* parent, const char* name,
                                   const char* caption, int left, int top) {
  auto* label = new platform::TLabel(owner);
  label->SetName(name);
  label->SetParent(parent);
  label->SetCaption(caption);
  label->SetTransparent(true);
  label->SetLeft(left);
  label->SetTop(top);
  return label;
}

}  // namespace designer
