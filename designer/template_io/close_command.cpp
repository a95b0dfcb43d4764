// Close: after the save question, an empty, unnamed design with the
// default style, ready for New or Open.
#include "designer/editing/scratch_pad_form.h"
#include "designer/editing/undo.h"
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "designer/template_io/design_reset.h"
#include "designer/template_io/style_list_state.h"

namespace designer {

void EmptyDesign(TForm1& form) {
  RemoveAllStyleMenuItems(form);
  form.FStyleCount = 0;
  form.FSectionCounter = 0;
  form.FRegionCount = 0;
  form.FRichTextCount = 0;
  form.FTextCount = 0;
  form.FVarCount = 0;
  form.FShapeCount = 0;
  form.FImageCount = 0;
  form.FModified = false;
  form.FCopySource = nullptr;
  RecordUndo(form.Program(), nullptr, 0);
  form.FreeChildren(form.REPORT);
  form.FreeChildren(form.Program().ScratchPadForm);
  // Objects placed from now on name the default style, so a template
  // saved next holds the style they name.
  UseDefaultStyleOnly(form);
  // Forgetting the name keeps a Save after Close from writing the empty
  // design over the last template.
  form.FFileName.clear();
  form.SetUnicodeCaption(form.FFileName);
}

void TForm1::Close1Click(TObject*) {
  FProceed = true;
  SetMode(kModeNone);
  SetZoom(0);
  if (FModified) FProceed = AskSaveChanges();
  if (!FProceed) return;
  EmptyDesign(*this);
}

void TForm1::FreeChildren(TWinControl* container) {
  if (!container) return;
  for (int count = container->ControlCount(); count > 0 && container->ControlCount() > 0; --count)
    delete container->Controls(0);
}

}  // namespace designer
