#include "designer/main_window/about_screen.h"

#include "designer/main_window/product_picture.h"
#include "platform/controls/label.h"

namespace designer {

TAboutScreen::TAboutScreen(DesignerProgram& program) : platform::TForm(&program.Forms()) {
  SetName("AboutScreen");
  SetCaption("About Tessel Designer");
  SetBounds(0, 0, 380, 250);
  SetPosition(platform::TPosition::poScreenCenter);
  SetFixedSize(true);
  SetBorderIcons(false);
  MakeProductPicture(*this, 16, 16, 96, 96);
  const char* lines[] = {"Tessel Designer", "Report templates for multimedia titles",
                         "Designs .qnf templates and the host script", "that drive the zbx_qn report engine."};
  int top = 20;
  for (const char* line : lines) {
    auto* label = new platform::TLabel(this);
    label->SetParent(this);
    label->SetCaption(line);
    label->SetBounds(128, top, 200, 17);
    top += line == lines[0] ? 28 : 20;
  }
  Button1 = new platform::TButton(this);
  Button1->SetName("Button1");
  Button1->SetParent(this);
  Button1->SetCaption("OK");
  Button1->SetBounds(152, 180, 75, 25);
  Button1->SetDefault(true);
  Button1->SetCancel(true);
  Button1->OnClick = [this](platform::TObject* sender) { Button1Click(sender); };
}

void TAboutScreen::Button1Click(platform::TObject*) { SetModalResult(platform::mrOk); }

}  // namespace designer
