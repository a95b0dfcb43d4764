#pragma once
// The import choice: global styles to import, checked.
#include "designer/main_window/designer_program.h"
#include "platform/controls/form.h"

namespace designer {

class TStyleSelectForm : public platform::TForm {
 public:
  explicit TStyleSelectForm(DesignerProgram& program);

 private:
  DesignerProgram& program_;
};

}  // namespace designer
