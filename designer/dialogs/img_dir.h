#pragma once
// The folder of an image region's file.
#include "designer/main_window/designer_program.h"
#include "platform/controls/form.h"

namespace designer {

class TImgDir : public platform::TForm {
 public:
  explicit TImgDir(DesignerProgram& program);

 private:
  DesignerProgram& program_;
};

}  // namespace designer
