#pragma once
// Renders a RichTextDocument into a device rectangle of a QPainter, formatted
// at the given resolution (pixels per inch), clipped to the rectangle,
// starting at character firstChar. Only whole lines are drawn. Returns the
// first character not drawn: CharacterCount() when everything fitted, and
// firstChar itself when not one line did, so that page-after-page printing
// can stop. A firstChar inside a line starts with that whole line.
#include <cstdint>

#include "platform/drawing/geometry.h"

class QPainter;

namespace platform {

class RichTextDocument;

int32_t RenderRichText(QPainter& painter, const RichTextDocument& document, const TRect& rect,
                       int32_t resolutionX, int32_t resolutionY, int32_t firstChar);

}  // namespace platform
