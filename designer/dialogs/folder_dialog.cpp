#include "designer/dialogs/folder_dialog.h"

#include "designer/dialogs/dialog_controls.h"
#include "designer/main_window/auto_scale_form.h"

namespace designer {

TFolderDialog::TFolderDialog(DesignerProgram& program, const char* name, const char* caption, const char* text,
                             std::function<std::string()> defaultFolder)
    : platform::TForm(&program.Forms()), defaultFolder_(std::move(defaultFolder)) {
  AutoScaleForm(*this);
  SetName(name);
  SetCaption(caption);
  SetPosition(platform::TPosition::poScreenCenter);
  Label1 = MakeLabel(this, this, "Label1", text, 12, 12);
  Edit1 = MakeControl<platform::TEdit>(this, this, "Edit1", 12, 34, 296, 21);
  CheckBox1 = MakeCaptioned<platform::TCheckBox>(this, this, "CheckBox1", "Use Default Directory", 12, 64, 180, 17);
  BitBtn1 = MakeCaptioned<platform::TBitBtn>(this, this, "BitBtn1", "OK", 72, 96, 75, 25);
  BitBtn1->SetModalResult(platform::mrOk);
  BitBtn1->SetDefault(true);
  BitBtn2 = MakeCaptioned<platform::TBitBtn>(this, this, "BitBtn2", "Cancel", 172, 96, 75, 25);
  BitBtn2->SetModalResult(platform::mrCancel);
  BitBtn2->SetCancel(true);
  SetClientSize(320, 132);
  SetFixedSize(true);

  CheckBox1->OnClick = [this](TObject* sender) { CheckBox1Click(sender); };
  Edit1->OnChange = [this](TObject* sender) { Edit1Change(sender); };
}

void TFolderDialog::CheckBox1Click(TObject*) {
  // Clicking the box off leaves the folder as it is.
  if (CheckBox1->Checked()) Edit1->SetText(defaultFolder_());
}

void TFolderDialog::Edit1Change(TObject*) { BitBtn1->SetEnabled(!Edit1->Text().empty()); }

}  // namespace designer
