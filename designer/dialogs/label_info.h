#pragma once
// Information on a text label: its name, style and text.
#include "designer/main_window/designer_program.h"
#include "platform/controls/buttons.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"

namespace designer {

class TLabelInfo : public platform::TForm {
 public:
  explicit TLabelInfo(DesignerProgram& program);

  platform::TLabel* LabelName = nullptr;
  platform::TLabel* LabelStyle = nullptr;
  platform::TLabel* LabelText = nullptr;
  platform::TBitBtn* BitBtn1 = nullptr;  // OK

 private:
  DesignerProgram& program_;
};

}  // namespace designer
