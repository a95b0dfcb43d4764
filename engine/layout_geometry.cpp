#include "engine/layout_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_set>

#include "engine/template_reader.h"

namespace engine {
namespace {

constexpr const char* kReportContainerName = "REPORT";

}  // namespace

int32_t SaturatedUnits(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

int32_t RectHeight(const platform::TRect& rect) {
  return SaturatedUnits(static_cast<int64_t>(rect.Bottom) - rect.Top);
}

platform::TRect ShiftedRect(const platform::TRect& rect, int64_t dx, int64_t dy) {
  return {SaturatedUnits(rect.Left + dx), SaturatedUnits(rect.Top + dy),
          SaturatedUnits(rect.Right + dx), SaturatedUnits(rect.Bottom + dy)};
}

bool RectsOverlap(const platform::TRect& a, const platform::TRect& b) {
  const bool spansMeet =
      a.Top < b.Bottom && a.Bottom > b.Top && (a.Right > b.Left || a.Left < b.Right);
  const bool strictlyInside =
      a.Left > b.Left && a.Top > b.Top && a.Right < b.Right && a.Bottom < b.Bottom;
  return spansMeet || strictlyInside;
}

bool LiesBelow(const platform::TRect& title, const platform::TRect& r) {
  const bool titleNotEmpty = title.Right > title.Left && title.Bottom > title.Top;
  return titleNotEmpty && !RectsOverlap(r, title) && title.Top <= r.Top && r.Top <= title.Bottom;
}

bool InParentChain(const TemplateList& root, const rcDefItem& item, const std::string& name) {
  if (name == kReportStyleName) return true;
  // A PARENT chain that comes back to an item it passed would never end.
  std::unordered_set<const rcDefItem*> passed;
  const rcDefItem* current = &item;
  while (current != nullptr && IsContainer(current->ItemType)) {
    if (!passed.insert(current).second) return false;
    const std::string& parent = BoxOf(*current)->Parent;
    if (parent == name) return true;
    if (parent == kReportContainerName) return false;
    current = FindTemplateItem(root, parent);
  }
  return false;
}

bool InParentChain(const rcDefItem& item, const std::string& name) {
  return InParentChain(GetTemplateList(), item, name);
}

bool PlacedItemCollides(const platform::TRect& q, bool inParentChain, const platform::TRect& c) {
  if (inParentChain) return q.Bottom < c.Bottom;
  return RectsOverlap(q, c) && q.Top > c.Top;
}

bool CollidesOnPage(const TemplateList& root, const TPage& page, const rcDefItem& item,
                    const platform::TRect& candidate) {
  for (const auto& placed : page) {
    const bool chain = InParentChain(root, item, placed->entry->item->Name);
    if (PlacedItemCollides(placed->rect, chain, candidate)) return true;
  }
  return false;
}

int32_t InchesToUnits(double inches) {
  double units = inches * 100.0;
  if (!std::isfinite(units)) return 0;
  // 8.2 x 100 is 819.99999999999989 in binary floating point: an author's
  // 8.2 inches are 820 units, while 8.19999 inches stay 819.
  const double whole = std::nearbyint(units);
  if (std::fabs(units - whole) <= 1e-9 * std::max(1.0, std::fabs(units))) units = whole;
  units = std::trunc(units);
  return SaturatedUnits(static_cast<int64_t>(
      std::clamp(units, static_cast<double>(std::numeric_limits<int64_t>::min() / 2),
                 static_cast<double>(std::numeric_limits<int64_t>::max() / 2))));
}

}  // namespace engine
