#pragma once
// Information on a text label.
#include "designer/main_window/designer_program.h"
#include "platform/controls/form.h"

namespace designer {

class TLabelInfo : public platform::TForm {
 public:
  explicit TLabelInfo(DesignerProgram& program);

 private:
  DesignerProgram& program_;
};

}  // namespace designer
