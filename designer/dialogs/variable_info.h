#pragma once
// Information on a variable: name, type, styles, highlight rule and
// whether it is its container's master variable.
#include "designer/main_window/designer_program.h"
#include "platform/controls/buttons.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"

namespace designer {

class TVariableInfo : public platform::TForm {
 public:
  explicit TVariableInfo(DesignerProgram& program);

  platform::TLabel* VariableName = nullptr;
  platform::TLabel* VariableType = nullptr;
  platform::TLabel* MainStyle = nullptr;
  platform::TLabel* HighlightStyle = nullptr;
  platform::TLabel* hlWhen = nullptr;
  platform::TLabel* hlValue = nullptr;  // on hlWhen's row
  platform::TLabel* mvValue = nullptr;
  platform::TBitBtn* BitBtn1 = nullptr;  // OK

 private:
  DesignerProgram& program_;
};

}  // namespace designer
