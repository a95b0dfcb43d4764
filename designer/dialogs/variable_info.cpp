#include "designer/dialogs/variable_info.h"

#include "designer/dialogs/info_rows.h"
#include "designer/main_window/auto_scale_form.h"

namespace designer {

TVariableInfo::TVariableInfo(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  AutoScaleForm(*this);
  SetName("VariableInfo");
  SetCaption("Variable Information");
  SetPosition(platform::TPosition::poScreenCenter);
  VariableName = MakeInfoRow(this, "Label1", "Name:", "VariableName", 0);
  VariableType = MakeInfoRow(this, "Label2", "Type:", "VariableType", 1);
  MainStyle = MakeInfoRow(this, "Label3", "Main Style:", "MainStyle", 2);
  HighlightStyle = MakeInfoRow(this, "Label4", "Highlight Style:", "HighlightStyle", 3);
  hlWhen = MakeInfoRow(this, "Label5", "Highlight When", "hlWhen", 4);
  hlValue = MakeValueLabel(this, this, "hlValue", kInfoValueLeft + 120, hlWhen->Top());
  mvValue = MakeInfoRow(this, "Label6", "Master Variable:", "mvValue", 5);
  constexpr int kWidth = 360;
  BitBtn1 = MakeInfoOkButton(this, 6, kWidth);
  SetClientSize(kWidth, 20 + 6 * kInfoRowHeight + 35);
}

}  // namespace designer
