#pragma once
// The window that shows the generated host script.
#include "designer/main_window/designer_program.h"
#include "platform/controls/form.h"

namespace designer {

class TCodeWindow : public platform::TForm {
 public:
  explicit TCodeWindow(DesignerProgram& program);

 private:
  DesignerProgram& program_;
};

}  // namespace designer
