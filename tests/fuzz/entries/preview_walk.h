#pragma once
// What a person does in the preview window, made without a display: the
// window lays the report out and paints each page it is asked to show.
#include <cstdint>

namespace tessel_fuzz {

// Each set bit of moves is one action, from bit 0 up: last page, previous
// page, zoom in, zoom out, next page, print one page, print all, first page.
// Nothing happens unless a report is loaded and the error flag is clear,
// which is when zBxPreviewReport opens the window.
void WalkPreview(uint8_t moves);

}  // namespace tessel_fuzz
