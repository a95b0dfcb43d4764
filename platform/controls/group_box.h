#pragma once
// TGroupBox: a framed, captioned container.
#include <string>

#include "platform/controls/win_control.h"

namespace platform {

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

 private:
  std::string caption_;
};

}  // namespace platform
