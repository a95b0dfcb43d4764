// Edit > Cut, Copy, Paste and Undo with their tool buttons. Cut waits for
// the author to pick the object; Copy and Paste only choose their mode,
// and the next click does the work (placement).
#include "designer/editing/scratch_pad_form.h"
#include "designer/editing/selection_look.h"
#include "designer/editing/undo.h"
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "platform/controls/application.h"

namespace designer {

void TForm1::SpeedButton4Click(TObject*) {
  FModified = true;
  FPickedObject = nullptr;
  SetMode(kModeCut);
  // The pick comes as a click handled inside this loop. The loop sleeps
  // until an event comes; choosing another tool, Cancel/Refresh or closing
  // the window changes the mode and ends it.
  platform::TRef<TForm1> self = this;
  while (self && !Destroying() && !FPickedObject && FMode == kModeCut) platform::Application().HandleMessage();
  if (!self || Destroying()) return;
  if (FMode != kModeCut) {
    FPickedObject = nullptr;
    SpeedButton4->SetDown(false);
    return;
  }
  TControl* picked = FPickedObject;
  SetMode(kModeNone);
  SpeedButton4->SetDown(false);
  platform::TRef<TControl> alive = picked;
  picked->EndDrag(false);
  if (alive && picked != REPORT && (IsRegionObject(picked) || IsLabelObject(picked)))
    program_.ScratchPadForm->CutToScratchPad(picked);
  FPickedObject = nullptr;
}

void TForm1::Cut1Click(TObject* Sender) {
  SpeedButton4->SetDown(true);
  SpeedButton4Click(Sender);
}

void TForm1::SpeedButton15Click(TObject*) {
  SetMode(kModeCopy);
  FModified = true;
}

void TForm1::Copy1Click(TObject* Sender) {
  SpeedButton15->SetDown(true);
  SpeedButton15Click(Sender);
}

void TForm1::SpeedButton16Click(TObject*) {
  if (!FCopySource) return;
  SetMode(kModePaste);
  FModified = true;
}

void TForm1::Paste1Click(TObject* Sender) {
  SpeedButton16->SetDown(true);
  SpeedButton16Click(Sender);
}

void TForm1::Undo1Click(TObject*) {
  if (PerformUndo(program_)) FModified = true;
}

}  // namespace designer
