#pragma once
// One page holding a picture, scaled to the printable page and centred or put
// at its top-left corner.
#include <cstdint>

#include "platform/drawing/geometry.h"

namespace platform {
class Picture;
}

namespace engine {

struct ScaledPlacement {
  int32_t x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const ScaledPlacement&, const ScaledPlacement&) = default;
};

// Where a srcWidth x srcHeight picture goes on a pageWidth x pageHeight
// printable page at printScale percent; position 0 centres it. The sizes of
// the picture must be positive; a negative scale counts as 0.
ScaledPlacement ComputeScaledPlacement(int32_t srcWidth, int32_t srcHeight, int32_t pageWidth,
                                       int32_t pageHeight, int32_t printScale, int32_t position);

// Prints one page. A picture of no width or height shows a "Tessel: " message
// and prints nothing.
void PrintBitmapScaled(const platform::Picture& picture, int32_t printScale, int32_t position);

}  // namespace engine
