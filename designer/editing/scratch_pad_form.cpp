#include "designer/editing/scratch_pad_form.h"

#include "designer/editing/selection_look.h"
#include "designer/editing/template_copy.h"
#include "designer/main_window/form1.h"
#include "platform/system/clipboard.h"

namespace designer {

TScratchPadForm::TScratchPadForm(DesignerProgram& program)
    : platform::TForm(&program.Forms()), program_(program) {
  SetName("ScratchPadForm");
  SetCaption("ScratchPadForm");
  SetBounds(0, 0, 300, 300);
}

void TScratchPadForm::CutToScratchPad(platform::TControl* control) {
  if (!control) return;
  const std::string text = TemplateTextOf(*program_.Form1, control);
  platform::PutOnClipboard(kTemplateMimeType, text, text);
  DeselectSubtree(program_, control);
  CutControl = control;
  CutParent = control->Parent();
  control->SetParent(this);
}

bool TScratchPadForm::RestoreFromScratchPad() {
  platform::TControl* control = CutControl;
  platform::TWinControl* parent = CutParent;
  if (!control || !parent || control->Parent() != this) return false;
  control->SetParent(parent);
  return true;
}

}  // namespace designer
