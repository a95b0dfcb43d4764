#pragma once
// Information on an image or rich-text region.
#include "designer/main_window/designer_program.h"
#include "platform/controls/form.h"

namespace designer {

class TImageInfo : public platform::TForm {
 public:
  explicit TImageInfo(DesignerProgram& program);

 private:
  DesignerProgram& program_;
};

}  // namespace designer
