#include "engine/placed_item_index.h"

namespace engine {

void PlacedItemIndex::Add(TPlacedItem& placed) {
  byItem_[placed.entry->item] = {&placed, ++added_};
}

void PlacedItemIndex::Clear() {
  byItem_.clear();
  added_ = 0;
}

TPlacedItem* PlacedItemIndex::LastOf(const rcDefItem* item) const {
  const auto found = byItem_.find(item);
  return found == byItem_.end() ? nullptr : found->second.placed;
}

TPlacedItem* PlacedItemIndex::LastNamed(std::string_view name) const {
  // Names are not unique: several template items may carry this one.
  const Last* latest = nullptr;
  for (const auto& [item, last] : byItem_) {
    if (item->Name == name && (latest == nullptr || last.order > latest->order)) latest = &last;
  }
  return latest == nullptr ? nullptr : latest->placed;
}

}  // namespace engine
