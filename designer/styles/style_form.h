#pragma once
// The style dialog: a style's name and font.
#include "designer/main_window/designer_program.h"
#include "platform/controls/form.h"

namespace designer {

class TStyleForm : public platform::TForm {
 public:
  explicit TStyleForm(DesignerProgram& program);

 private:
  DesignerProgram& program_;
};

}  // namespace designer
