#include "designer/styles/style_select_form.h"

#include "designer/dialogs/dialog_controls.h"
#include "designer/main_window/auto_scale_form.h"

namespace designer {

TStyleSelectForm::TStyleSelectForm(DesignerProgram& program) : platform::TForm(&program.Forms()) {
  AutoScaleForm(*this);
  SetName("StyleSelectForm");
  SetCaption("StyleSelectForm");
  SetBounds(0, 0, 190, 306);
  SetPosition(platform::TPosition::poScreenCenter);
  ListBox1 = MakeControl<platform::TCheckListBox>(this, this, "ListBox1", 8, 8, 166, 220);
  // No cancel button: closing the choice keeps its check marks too.
  Button1 = MakeCaptioned<platform::TButton>(this, this, "Button1", "OK", 57, 238, 75, 25);
  Button1->SetModalResult(platform::mrOk);
  Button1->SetDefault(true);
}

}  // namespace designer
