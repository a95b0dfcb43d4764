// The smallest region the author may size at a zoom level: 25 pixels at
// level 0, five fewer a level up.
#include "designer/editing/undo.h"
#include "designer/main_window/form1.h"

namespace designer {

void TForm1::testMinSize(TObject* Sender, TObject*, int, int) {
  auto* region = dynamic_cast<TControl*>(Sender);
  if (!region) return;
  const int minimum = 25 - 5 * program_.ZoomLevel;
  const TUndoRecord& undo = program_.Undo;
  // Only a Size drag that takes the region below the minimum is undone: a
  // move never is (lines are 15 pixels thick and could not be moved at the
  // levels the designer starts at), nor a size that was below already.
  if (FMode != kModeSize || undo.UndoKind != kUndoSize || undo.UndoControl.Get() != region) return;
  const bool below = region->Width() < minimum || region->Height() < minimum;
  const bool wasBelow = undo.UndoWidth < minimum || undo.UndoHeight < minimum;
  if (!below || wasBelow) return;
  PerformUndo(program_);
  tempLabel->SetCaption("Minimum Reached for this zoom level\n\rZoom in to make smaller");
}

}  // namespace designer
