#pragma once
// The database region's form: no command of the designer shows it.
#include "designer/main_window/designer_program.h"
#include "platform/controls/form.h"

namespace designer {

class TdbForm : public platform::TForm {
 public:
  explicit TdbForm(DesignerProgram& program);

 private:
  DesignerProgram& program_;
};

}  // namespace designer
