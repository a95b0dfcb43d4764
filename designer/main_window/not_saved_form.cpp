#include "designer/main_window/not_saved_form.h"

namespace designer {
namespace {

platform::TButton* MakeButton(platform::TForm& form, const char* name, const char* caption, int left,
                              platform::TModalResult result) {
  auto* button = new platform::TButton(&form);
  button->SetName(name);
  button->SetParent(&form);
  button->SetCaption(caption);
  button->SetModalResult(result);
  button->SetBounds(left, 64, 75, 25);
  return button;
}

}  // namespace

TNotSavedForm::TNotSavedForm(DesignerProgram& program) : platform::TForm(&program.Forms()) {
  SetName("NotSavedForm");
  SetCaption("Confirm");
  SetBounds(0, 0, 321, 133);
  SetPosition(platform::TPosition::poScreenCenter);
  Label1 = new platform::TLabel(this);
  Label1->SetName("Label1");
  Label1->SetParent(this);
  Label1->SetBounds(16, 20, 280, 17);
  Button1 = MakeButton(*this, "Button1", "Yes", 32, platform::mrYes);
  Button2 = MakeButton(*this, "Button2", "No", 122, platform::mrNo);
  Button3 = MakeButton(*this, "Button3", "Cancel", 212, platform::mrCancel);
  Button1->SetDefault(true);
  Button3->SetCancel(true);
}

}  // namespace designer
