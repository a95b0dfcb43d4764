#pragma once
// The folder of a rich-text region's file.
#include "designer/main_window/designer_program.h"
#include "platform/controls/form.h"

namespace designer {

class TRTFDir : public platform::TForm {
 public:
  explicit TRTFDir(DesignerProgram& program);

 private:
  DesignerProgram& program_;
};

}  // namespace designer
