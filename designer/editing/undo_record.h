#pragma once
// The one-step undo: what the last Move-, Size- or Cut-mode click recorded.
#include <cstdint>

#include "platform/controls/control.h"

namespace designer {

enum TUndoKind : uint8_t { kUndoNothing = 0, kUndoPosition = 1, kUndoSize = 2, kUndoCut = 3 };

struct TUndoRecord {
  uint8_t UndoKind = kUndoNothing;
  platform::TRef<platform::TControl> UndoControl;
  int UndoLeft = 0;
  int UndoTop = 0;
  int UndoWidth = 0;
  int UndoHeight = 0;
  // The recorded geometry at scale 1, which the undo gives back.
  platform::TBounds UndoDesign;
};

}  // namespace designer
