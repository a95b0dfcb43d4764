#include "designer/editing/undo.h"

#include "designer/editing/scratch_pad_form.h"

namespace designer {

void RecordUndo(DesignerProgram& program, platform::TControl* control, int kind) {
  TUndoRecord& undo = program.Undo;
  undo.UndoKind = static_cast<uint8_t>(kind);
  switch (kind) {
    case kUndoPosition:
      undo.UndoControl = control;
      undo.UndoLeft = control->Left();
      undo.UndoTop = control->Top();
      undo.UndoDesign = control->DesignBounds();
      break;
    case kUndoSize:
      undo.UndoControl = control;
      undo.UndoWidth = control->Width();
      undo.UndoHeight = control->Height();
      undo.UndoDesign = control->DesignBounds();
      break;
    case kUndoCut:
      undo.UndoControl = control;
      break;
    default:
      undo.UndoKind = kUndoNothing;
      undo.UndoControl = nullptr;
      break;
  }
}

bool PerformUndo(DesignerProgram& program) {
  TUndoRecord& undo = program.Undo;
  platform::TControl* control = undo.UndoControl;
  switch (undo.UndoKind) {
    case kUndoPosition:
    case kUndoSize: {
      if (!control) return false;
      // The design geometry comes back, so an undo after a zoom step puts
      // the object where it was and not where those pixels now lie.
      platform::TBounds bounds = control->DesignBounds();
      if (undo.UndoKind == kUndoPosition) {
        bounds.Left = undo.UndoDesign.Left;
        bounds.Top = undo.UndoDesign.Top;
      } else {
        bounds.Width = undo.UndoDesign.Width;
        bounds.Height = undo.UndoDesign.Height;
      }
      if (bounds == control->DesignBounds()) return false;
      control->SetDesignBounds(bounds);
      return true;
    }
    case kUndoCut:
      // Only the cut that was recorded is given back: a pick of the report
      // area, which cuts nothing, must not bring back an older cut.
      if (!program.ScratchPadForm || !control || program.ScratchPadForm->CutControl.Get() != control) return false;
      return program.ScratchPadForm->RestoreFromScratchPad();
    default:
      return false;
  }
}

}  // namespace designer
