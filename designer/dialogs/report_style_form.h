#pragma once
// The report style dialog: page and report size, orientation, page border
// and the default folders of picture and rich-text files, with a preview.
#include "designer/main_window/designer_program.h"
#include "platform/controls/buttons.h"
#include "platform/controls/edits.h"
#include "platform/controls/form.h"

namespace designer {

class TReportStyleForm : public platform::TForm {
 public:
  explicit TReportStyleForm(DesignerProgram& program);

  platform::TEdit* Edit1 = nullptr;      // image folder
  platform::TEdit* Edit2 = nullptr;      // rich-text folder
  platform::TBitBtn* BitBtn1 = nullptr;  // OK
  platform::TBitBtn* BitBtn2 = nullptr;  // Cancel

 private:
  DesignerProgram& program_;
};

}  // namespace designer
