#pragma once
// The region border dialog.
#include "designer/main_window/designer_program.h"
#include "platform/controls/form.h"

namespace designer {

class TRegionStyleForm : public platform::TForm {
 public:
  explicit TRegionStyleForm(DesignerProgram& program);

 private:
  DesignerProgram& program_;
};

}  // namespace designer
