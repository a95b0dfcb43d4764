#pragma once
// The about box: the product's picture and lines of information, and OK.
#include "designer/main_window/designer_program.h"
#include "platform/controls/buttons.h"
#include "platform/controls/form.h"

namespace designer {

class TAboutScreen : public platform::TForm {
 public:
  explicit TAboutScreen(DesignerProgram& program);
  platform::TButton* Button1 = nullptr;
  void Button1Click(platform::TObject* Sender);
};

}  // namespace designer
