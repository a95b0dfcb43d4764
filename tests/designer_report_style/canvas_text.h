#pragma once
// Recorded preview calls as short lines of text, so that a test states the
// whole drawing at once: "fill 0,0,128,165 808080" for a filled rectangle
// (pen and brush of one colour), "line 9,12-9,152 w2 s0 c000000" for a move and
// the line drawn from it with its pen's width, style and colour.
#include <string>
#include <vector>

#include "platform/drawing/recording_canvas.h"

namespace tessel_test {

std::vector<std::string> CanvasText(const std::vector<platform::CanvasCall>& calls);

}  // namespace tessel_test
