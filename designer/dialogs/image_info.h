#pragma once
// Information on an image or rich-text region: its name, file and file
// location. The caller captions it for the kind it shows.
#include "designer/main_window/designer_program.h"
#include "platform/controls/buttons.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"

namespace designer {

class TImageInfo : public platform::TForm {
 public:
  explicit TImageInfo(DesignerProgram& program);

  platform::TLabel* ImageName = nullptr;
  platform::TLabel* fileName = nullptr;
  platform::TLabel* fileLocation = nullptr;
  platform::TBitBtn* BitBtn1 = nullptr;  // OK

 private:
  DesignerProgram& program_;
};

}  // namespace designer
