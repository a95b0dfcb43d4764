#pragma once
// The window that shows the generated host script. It reads the file each
// time it becomes active; what the author types into it is never saved.
#include "designer/main_window/designer_program.h"
#include "platform/controls/edits.h"
#include "platform/controls/form.h"
#include "platform/controls/scroll_box.h"

namespace designer {

class TCodeWindow : public platform::TForm {
 public:
  explicit TCodeWindow(DesignerProgram& program);

  void FormActivate(platform::TObject* Sender);

  platform::TScrollBox* ScrollBox1 = nullptr;
  platform::TScrollBox* ScrollBox2 = nullptr;
  platform::TMemo* Memo1 = nullptr;

 private:
  DesignerProgram& program_;
};

}  // namespace designer
