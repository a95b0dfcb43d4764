#pragma once
// The one-step undo of the last move, size or cut.
#include "designer/editing/undo_record.h"
#include "designer/main_window/designer_program.h"

namespace designer {

// Kind 1 records the position, 2 the size, 3 a cut; any other kind
// forgets what was recorded.
void RecordUndo(DesignerProgram& program, platform::TControl* control, int kind);
// Gives back what was recorded; the record stays, so a second undo repeats
// the same restore. True when something moved.
bool PerformUndo(DesignerProgram& program);

}  // namespace designer
