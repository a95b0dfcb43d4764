#pragma once
// The import choice: the names of the global styles, each with a check box;
// the caller reads the check marks once it has closed.
#include "designer/main_window/designer_program.h"
#include "platform/controls/buttons.h"
#include "platform/controls/form.h"
#include "platform/controls/lists.h"

namespace designer {

class TStyleSelectForm : public platform::TForm {
 public:
  explicit TStyleSelectForm(DesignerProgram& program);

  platform::TCheckListBox* ListBox1 = nullptr;
  platform::TButton* Button1 = nullptr;  // "OK"
};

}  // namespace designer
