#pragma once
// The preview's button glyphs and window icon, drawn by the program itself.
#include <QIcon>

namespace engine {

enum class PreviewGlyph { PrintPage, PrintAll, First, Previous, Next, Last, ZoomIn, ZoomOut, Window };

QIcon MakePreviewGlyph(PreviewGlyph glyph);

}  // namespace engine
