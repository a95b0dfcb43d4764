#pragma once
// The scratch pad: a form never shown, parent and owner of every cut
// object until the template is closed. Only the last cut can be given
// back.
#include "designer/main_window/designer_program.h"
#include "platform/controls/form.h"

namespace designer {

class TScratchPadForm : public platform::TForm {
 public:
  explicit TScratchPadForm(DesignerProgram& program);

  // Gives the last cut control back its former parent; nothing when none
  // is held.
  void RestoreFromScratchPad();

  platform::TRef<platform::TControl> CutControl;
  platform::TRef<platform::TWinControl> CutParent;

 private:
  DesignerProgram& program_;
};

}  // namespace designer
