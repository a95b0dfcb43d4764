#pragma once
// The save question: "Save changes to ..." with Yes, No and Cancel.
#include "designer/main_window/designer_program.h"
#include "platform/controls/buttons.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"

namespace designer {

class TNotSavedForm : public platform::TForm {
 public:
  explicit TNotSavedForm(DesignerProgram& program);

  platform::TLabel* Label1 = nullptr;
  platform::TButton* Button1 = nullptr;  // Yes
  platform::TButton* Button2 = nullptr;  // No
  platform::TButton* Button3 = nullptr;  // Cancel
};

}  // namespace designer
