#pragma once
// Information on a variable.
#include "designer/main_window/designer_program.h"
#include "platform/controls/form.h"

namespace designer {

class TVariableInfo : public platform::TForm {
 public:
  explicit TVariableInfo(DesignerProgram& program);

 private:
  DesignerProgram& program_;
};

}  // namespace designer
