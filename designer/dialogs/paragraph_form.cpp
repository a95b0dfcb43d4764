#include "designer/dialogs/paragraph_form.h"

#include "designer/main_window/auto_scale_form.h"

namespace designer {

TParagraphForm::TParagraphForm(DesignerProgram& program)
    : platform::TForm(&program.Forms()), program_(program) {
  AutoScaleForm(*this);
  SetName("ParagraphForm");
  SetCaption("Paragraph");
  SetBounds(0, 0, 420, 330);
  SetPosition(platform::TPosition::poScreenCenter);

  MainMenu1 = new platform::TMainMenu(this);
  MainMenu1->SetName("MainMenu1");
  Style1 = new platform::TMenuItem(this);
  Style1->SetName("Style1");
  Style1->SetCaption("Style");
  MainMenu1->Items()->Add(Style1);
  SelectStyle1 = new platform::TMenuItem(this);
  SelectStyle1->SetName("SelectStyle1");
  SelectStyle1->SetCaption("Select Style");
  Style1->Add(SelectStyle1);
  SetMenu(MainMenu1);

  Memo = new platform::TMemo(this);
  Memo->SetName("Memo");
  Memo->SetParent(this);
  Memo->SetBounds(0, 0, 412, 240);
  Memo->SetMaxLength(6000);
  Memo->SetWordWrap(false);

  BitBtn1 = new platform::TBitBtn(this);
  BitBtn1->SetName("BitBtn1");
  BitBtn1->SetParent(this);
  BitBtn1->SetCaption("OK");
  BitBtn1->SetModalResult(platform::mrOk);
  BitBtn1->SetBounds(110, 250, 75, 25);
  BitBtn2 = new platform::TBitBtn(this);
  BitBtn2->SetName("BitBtn2");
  BitBtn2->SetParent(this);
  BitBtn2->SetCaption("Cancel");
  BitBtn2->SetModalResult(platform::mrCancel);
  BitBtn2->SetBounds(225, 250, 75, 25);
  BitBtn2->SetCancel(true);

  // The default style's item; the main window binds it at its first
  // activation, and the style commands add the others.
  if (!program_.StyleList.empty()) {
    auto* item = new platform::TMenuItem(this);
    item->SetCaption(program_.StyleList.front()->Name);
    SelectStyle1->Add(item);
  }
}

}  // namespace designer
