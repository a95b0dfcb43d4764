#pragma once
// The paragraph dialog: the direct text of a rich-text region, typed in a
// memo, with a Style menu whose Select Style submenu holds one item per
// text style.
#include <string>

#include "designer/main_window/designer_program.h"
#include "platform/controls/buttons.h"
#include "platform/controls/edits.h"
#include "platform/controls/form.h"
#include "platform/controls/menus.h"

namespace designer {

class TParagraphForm : public platform::TForm {
 public:
  explicit TParagraphForm(DesignerProgram& program);

  platform::TMemo* Memo = nullptr;
  platform::TBitBtn* BitBtn1 = nullptr;  // OK
  platform::TBitBtn* BitBtn2 = nullptr;  // Cancel
  platform::TMainMenu* MainMenu1 = nullptr;
  platform::TMenuItem* Style1 = nullptr;
  platform::TMenuItem* SelectStyle1 = nullptr;
  // The style chosen in the Style menu while the dialog is shown.
  std::string CurrentStyleName;

 private:
  DesignerProgram& program_;
};

}  // namespace designer
