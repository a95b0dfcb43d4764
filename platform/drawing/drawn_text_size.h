#pragma once
// How much room one line of text takes when a canvas draws it with TextOut:
// what is judged when asking whether a text lies on the paper, since the box
// an author drew around it says nothing about how far it reaches.
#include <cstdint>
#include <string>

#include "platform/drawing/canvas.h"

namespace platform {

// Width and height in pixels at the given resolution (pixels per inch), the
// text cell TextOut paints from its top-left corner. Empty text, or no way to
// load fonts, gives (0, 0).
TPoint DrawnTextSize(const TFont& font, const std::string& ansiText, int32_t pixelsPerInch);

// At least as large as DrawnTextSize of any text of that many characters,
// found without laying the text out: enough to tell most texts lie inside.
TPoint DrawnTextBound(const TFont& font, size_t characters, int32_t pixelsPerInch);

}  // namespace platform
