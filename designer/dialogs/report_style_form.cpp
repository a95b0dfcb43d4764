#include "designer/dialogs/report_style_form.h"

namespace designer {

TReportStyleForm::TReportStyleForm(DesignerProgram& program)
    : platform::TForm(&program.Forms()), program_(program) {
  SetName("ReportStyleForm");
  SetCaption("Report Style");
  SetBounds(0, 0, 480, 420);
  SetPosition(platform::TPosition::poScreenCenter);
  Edit1 = new platform::TEdit(this);
  Edit1->SetName("Edit1");
  Edit1->SetParent(this);
  Edit1->SetText("IMAGES");
  Edit2 = new platform::TEdit(this);
  Edit2->SetName("Edit2");
  Edit2->SetParent(this);
  Edit2->SetText("RTFS");
  BitBtn1 = new platform::TBitBtn(this);
  BitBtn1->SetName("BitBtn1");
  BitBtn1->SetParent(this);
  BitBtn1->SetCaption("OK");
  BitBtn1->SetModalResult(platform::mrOk);
  BitBtn2 = new platform::TBitBtn(this);
  BitBtn2->SetName("BitBtn2");
  BitBtn2->SetParent(this);
  BitBtn2->SetCaption("Cancel");
  BitBtn2->SetModalResult(platform::mrCancel);
}

}  // namespace designer
