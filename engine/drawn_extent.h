#pragma once
// What a placed item covers once drawn, which is what is lost when it lies
// beyond the paper: a text reaches as far as its characters do, whatever box
// the author drew around it; pictures, rich text and shapes fill their
// rectangle; a border covers its rectangle when it draws any side.
#include <cstdint>
#include <optional>

#include "engine/item_drawing.h"
#include "engine/page_layout.h"
#include "platform/drawing/geometry.h"

namespace engine {

// In device pixels of the transform, text measured at pixelsPerInch (100 with
// the identity transform gives layout units). nullopt when the item draws
// nothing.
std::optional<platform::TRect> DrawnExtent(const TPlacedItem& placed,
                                           const DeviceTransform& transform,
                                           int32_t pixelsPerInch, int32_t pageNumber,
                                           int32_t pageCount);

// Whether all of it lies inside the area (in the same device pixels); true
// when it draws nothing.
bool DrawnWithin(const TPlacedItem& placed, const DeviceTransform& transform,
                 int32_t pixelsPerInch, int32_t pageNumber, int32_t pageCount,
                 const platform::TRect& area);

}  // namespace engine
