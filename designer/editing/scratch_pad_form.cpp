#include "designer/editing/scratch_pad_form.h"

namespace designer {

TScratchPadForm::TScratchPadForm(DesignerProgram& program)
    : platform::TForm(&program.Forms()), program_(program) {
  SetName("ScratchPadForm");
  SetCaption("ScratchPadForm");
  SetBounds(0, 0, 300, 300);
}

void TScratchPadForm::RestoreFromScratchPad() {
  if (!CutControl || !CutParent) return;
  CutControl->SetParent(CutParent);
}

}  // namespace designer
