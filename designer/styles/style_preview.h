#pragma once
// The preview of styles, with the import of global styles.
#include "designer/main_window/designer_program.h"
#include "platform/controls/form.h"

namespace designer {

class TStylePreview : public platform::TForm {
 public:
  explicit TStylePreview(DesignerProgram& program);

 private:
  DesignerProgram& program_;
};

}  // namespace designer
