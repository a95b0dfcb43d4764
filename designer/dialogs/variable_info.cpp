#include "designer/dialogs/variable_info.h"

namespace designer {

TVariableInfo::TVariableInfo(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  SetName("VariableInfo");
  SetCaption("Variable Information");
  SetBounds(0, 0, 320, 200);
  SetPosition(platform::TPosition::poScreenCenter);
}

}  // namespace designer
