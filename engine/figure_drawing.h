#pragma once
// Region borders and shape regions on a canvas, in device pixels.
#include <cstdint>

#include "engine/template_items.h"
#include "platform/drawing/canvas.h"
#include "platform/drawing/geometry.h"

namespace engine {

// The template's pen and fill codes; codes outside the tables are solid.
platform::TPenStyle PenStyleOf(uint8_t code);
platform::TBrushStyle BrushStyleOf(uint8_t code);

// The sides are the engine's side bits. With no side the pen is not touched;
// otherwise the pen is set and the sides are drawn top, left, right, bottom.
void DrawBorder(platform::TCanvas& canvas, const platform::TRect& rect, uint8_t sides,
                int32_t penWidth, platform::TColor penColor, uint8_t penStyle);

// rect must be normalised (Right >= Left, Bottom >= Top).
void DrawShape(platform::TCanvas& canvas, const rcShapeRegion& shape, const platform::TRect& rect);

}  // namespace engine
