// The two moves the layout makes with placed items and rectangles; declared
// with the page drawing, which shares them.
#include "engine/layout_geometry.h"
#include "engine/page_drawing.h"

namespace engine {

void OffsetPlacedItem(TPlacedItem& item, int32_t dy, const platform::TPoint& point) {
  item.rect = ShiftedRect(item.rect, point.X, static_cast<int64_t>(point.Y) - dy);
  item.origin = {item.rect.Left, item.rect.Top};
}

void OffsetRectByPoint(const platform::TPoint& point, platform::TRect& rect) {
  rect = ShiftedRect(rect, point.X, point.Y);
}

}  // namespace engine
