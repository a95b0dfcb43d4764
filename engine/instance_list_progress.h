#pragma once
// What one layout remembers about one instance list between its walks:
// where the run of placed repeat records it may step over ends, which of its
// entries the walk has entered, and what its repeat instances measured last.
// Placed flags only ever turn on while a layout runs, so all of it moves one
// way and no walk has to rescan what earlier walks placed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/report_model.h"
#include "platform/drawing/geometry.h"

namespace engine {

class InstanceListProgress {
 public:
  using Measure = std::function<platform::TRect(TInstancePair&)>;

  explicit InstanceListProgress(InstanceList& list);

  bool HasTitleInstance() const { return hasTitleInstance_; }
  // A walk places every value it passes, and every walk starts at the list's
  // head: the values placed are those before the furthest point walked.
  bool ValuePlaced(size_t index) const { return index < valuesPassed_; }
  void PassValue(size_t index) { valuesPassed_ = std::max(valuesPassed_, index + 1); }
  // The first index at or after from whose entry is not a placed repeat
  // region instance (the list's size when there is none).
  size_t SkipPlacedRecords(size_t from);
  // Whether an entry is a region instance that is not placed.
  bool AnyUnplaced();
  // The walk entered the instance at index: its measure may change from now
  // on, until it is placed.
  void MarkTouched(size_t index);

  // Measures again what may have changed since the last call (every entry
  // on the first call): unplaced fixed, shape and repeat instances, or every
  // unplaced region instance with allKinds. Records nested in a shape flow
  // onto new pages as those in a fixed region do, so they need their true
  // height; a title is printed on one page only. Untouched instances measure
  // the same as before, so their last heights stand.
  void Remeasure(bool allKinds, const Measure& measure);
  int64_t UnplacedRecordHeights() const { return recordHeights_; }
  size_t UnplacedRecordCount() const { return recordCount_; }
  // What unplaced fixed and shape instances measured beyond their template
  // heights: records they hold push what follows them down.
  int64_t UnplacedContainerGrowth() const { return containerGrowth_; }

 private:
  bool IsPlacedRecord(size_t index) const;
  bool IsUnplacedRegion(size_t index) const;
  void Refresh(size_t index, bool allKinds, const Measure& measure);

  InstanceList& list_;
  bool hasTitleInstance_ = false;
  size_t valuesPassed_ = 0;
  size_t firstUnplaced_ = 0;
  // next_[i] leads past placed records; filled when the first one is met.
  std::vector<size_t> next_;
  std::vector<size_t> touched_;
  std::vector<char> isTouched_;
  bool measured_ = false;
  std::vector<int32_t> heights_;
  std::vector<int32_t> growths_;
  std::vector<char> counted_;
  int64_t containerGrowth_ = 0;
  int64_t recordHeights_ = 0;
  size_t recordCount_ = 0;
};

}  // namespace engine
