#include "designer/dialogs/label_info.h"

#include "designer/dialogs/info_rows.h"
#include "designer/main_window/auto_scale_form.h"

namespace designer {

TLabelInfo::TLabelInfo(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  AutoScaleForm(*this);
  SetName("LabelInfo");
  SetCaption("Label Information");
  SetPosition(platform::TPosition::poScreenCenter);
  LabelName = MakeInfoRow(this, "Label1", "Name:", "LabelName", 0);
  LabelStyle = MakeInfoRow(this, "Label2", "Style:", "LabelStyle", 1);
  LabelText = MakeInfoRow(this, "Label3", "Text:", "LabelText", 2);
  constexpr int kWidth = 320;
  BitBtn1 = MakeInfoOkButton(this, 3, kWidth);
  SetClientSize(kWidth, 20 + 3 * kInfoRowHeight + 35);
}

}  // namespace designer
