#include "engine/left_out_content.h"

#include <algorithm>
#include <vector>

namespace engine {
namespace {

using PlacedEntries = std::vector<const TInstancePair*>;

// Fixed and shape regions are never placed themselves (their frames come
// from the template); what they hold is.
bool AllOnPages(const InstanceList& list, const PlacedEntries& placed) {
  const auto onAPage = [&placed](const TInstancePair& entry) {
    return std::binary_search(placed.begin(), placed.end(), &entry);
  };
  for (const auto& entry : list) {
    const uint8_t kind = entry->item->ItemType;
    if (entry->region && IsContainer(kind)) {
      const bool placesItself = kind == kRepeatRegion || kind == kTitleRegion;
      if (placesItself && !onAPage(*entry)) return false;
      if (!AllOnPages(entry->region->children, placed)) return false;
    } else if (entry->value &&
               (kind == kVariable || kind == kImageRegion || kind == kRichTextRegion)) {
      if (!onAPage(*entry)) return false;
    }
  }
  return true;
}

}  // namespace

bool LeavesContentOut(const InstanceList& instances, const TPageList& pages) {
  size_t count = 0;
  for (size_t page = 1; page < pages.size(); ++page) count += pages[page]->size();
  PlacedEntries placed;
  placed.reserve(count);
  for (size_t page = 1; page < pages.size(); ++page) {
    for (const auto& item : *pages[page]) {
      if (!item->ownedEntry) placed.push_back(item->entry);
    }
  }
  std::sort(placed.begin(), placed.end());
  return !AllOnPages(instances, placed);
}

}  // namespace engine
