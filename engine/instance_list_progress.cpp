#include "engine/instance_list_progress.h"

#include <algorithm>
#include <numeric>

#include "engine/layout_geometry.h"

namespace engine {

InstanceListProgress::InstanceListProgress(InstanceList& list) : list_(list) {
  hasTitleInstance_ = std::any_of(list.begin(), list.end(), [](const auto& entry) {
    return entry->item->ItemType == kTitleRegion;
  });
}

bool InstanceListProgress::IsPlacedRecord(size_t index) const {
  const TInstancePair& entry = *list_[index];
  return entry.item->ItemType == kRepeatRegion && entry.region && entry.region->placed;
}

bool InstanceListProgress::IsUnplacedRegion(size_t index) const {
  const TInstancePair& entry = *list_[index];
  return entry.region && !entry.region->placed;
}

size_t InstanceListProgress::SkipPlacedRecords(size_t from) {
  const size_t count = list_.size();
  if (from >= count) return count;
  if (next_.empty()) {
    if (!IsPlacedRecord(from)) return from;
    next_.resize(count);
    std::iota(next_.begin(), next_.end(), size_t{0});
  }
  size_t end = from;
  while (end < count) {
    if (next_[end] != end) {
      end = next_[end];
    } else if (IsPlacedRecord(end)) {
      next_[end] = end + 1;
      ++end;
    } else {
      break;
    }
  }
  // Every index passed now leads straight to the end of the run.
  for (size_t i = from; i < end && i < count;) {
    const size_t following = next_[i];
    next_[i] = end;
    i = following;
  }
  return end;
}

bool InstanceListProgress::AnyUnplaced() {
  while (firstUnplaced_ < list_.size() && !IsUnplacedRegion(firstUnplaced_)) ++firstUnplaced_;
  return firstUnplaced_ < list_.size();
}

void InstanceListProgress::MarkTouched(size_t index) {
  if (isTouched_.empty()) isTouched_.assign(list_.size(), 0);
  if (isTouched_[index]) return;
  isTouched_[index] = 1;
  touched_.push_back(index);
}

void InstanceListProgress::Refresh(size_t index, bool allKinds, const Measure& measure) {
  if (counted_[index]) {
    recordHeights_ -= heights_[index];
    --recordCount_;
    counted_[index] = 0;
  }
  containerGrowth_ -= growths_[index];
  growths_[index] = 0;
  if (!IsUnplacedRegion(index)) return;
  TInstancePair& entry = *list_[index];
  const uint8_t kind = entry.item->ItemType;
  if (kind == kRepeatRegion) {
    heights_[index] = RectHeight(measure(entry));
    counted_[index] = 1;
    recordHeights_ += heights_[index];
    ++recordCount_;
  } else if (kind == kFixedRegion || kind == kShapeRegion) {
    const int32_t beyond = RectHeight(measure(entry)) - RectHeight(GetItemRect(*entry.item));
    growths_[index] = beyond > 0 ? beyond : 0;
    containerGrowth_ += growths_[index];
  } else if (allKinds) {
    measure(entry);
  }
}

void InstanceListProgress::Remeasure(bool allKinds, const Measure& measure) {
  if (!measured_) {
    heights_.assign(list_.size(), 0);
    growths_.assign(list_.size(), 0);
    counted_.assign(list_.size(), 0);
    for (size_t i = 0; i < list_.size(); ++i) Refresh(i, allKinds, measure);
    measured_ = true;
  } else {
    for (const size_t index : touched_) Refresh(index, allKinds, measure);
  }
  // A placed entry is never measured again in this layout.
  std::erase_if(touched_, [this](size_t index) {
    if (IsUnplacedRegion(index)) return false;
    isTouched_[index] = 0;
    return true;
  });
}

}  // namespace engine
