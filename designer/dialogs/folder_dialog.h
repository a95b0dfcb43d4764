#pragma once
// The folder dialogs of image and rich-text regions: a folder typed in
// Edit1, or the report's default folder copied in by "Use Default
// Directory". OK is enabled only while Edit1 holds a folder. The box and
// the button keep their state from one showing to the next.
#include <functional>
#include <string>

#include "designer/main_window/designer_program.h"
#include "platform/controls/buttons.h"
#include "platform/controls/check_boxes.h"
#include "platform/controls/edits.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"

namespace designer {

class TFolderDialog : public platform::TForm {
 public:
  using TObject = platform::TObject;

  platform::TLabel* Label1 = nullptr;
  platform::TEdit* Edit1 = nullptr;
  platform::TCheckBox* CheckBox1 = nullptr;
  platform::TBitBtn* BitBtn1 = nullptr;  // OK
  platform::TBitBtn* BitBtn2 = nullptr;  // Cancel

  void CheckBox1Click(TObject* Sender);
  void Edit1Change(TObject* Sender);

 protected:
  // defaultFolder: the report's current default folder of this kind.
  TFolderDialog(DesignerProgram& program, const char* name, const char* caption, const char* text,
                std::function<std::string()> defaultFolder);

 private:
  std::function<std::string()> defaultFolder_;
};

}  // namespace designer
