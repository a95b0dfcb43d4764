#pragma once
// The scratch pad: a form never shown, parent of every cut object until the
// template is closed. Only the last cut can be given back. The report stays
// the owner of what is cut, so a cut object's name stays taken while it
// waits here: names are unique across the report and the scratch pad
// together, and an object given back never meets a namesake.
#include "designer/main_window/designer_program.h"
#include "platform/controls/form.h"

namespace designer {

class TScratchPadForm : public platform::TForm {
 public:
  explicit TScratchPadForm(DesignerProgram& program);

  // Takes the object off the design: onto the system clipboard as the
  // template text of it and what it holds, then onto the scratch pad.
  void CutToScratchPad(platform::TControl* control);
  // Gives the last cut control back its former parent; false when there is
  // none to give back.
  bool RestoreFromScratchPad();

  platform::TRef<platform::TControl> CutControl;
  platform::TRef<platform::TWinControl> CutParent;

 private:
  DesignerProgram& program_;
};

}  // namespace designer
