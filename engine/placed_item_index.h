#pragma once
// The last placed item of each template item on one page, so that "the last
// placed item of ... on this page" needs no scan of the page: a page holds
// few distinct template items however many records it holds.
#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "engine/page_layout.h"

namespace engine {

class PlacedItemIndex {
 public:
  void Add(TPlacedItem& placed);
  void Clear();
  TPlacedItem* LastOf(const rcDefItem* item) const;
  // The last placed item whose template item carries the name.
  TPlacedItem* LastNamed(std::string_view name) const;

 private:
  struct Last {
    TPlacedItem* placed = nullptr;
    uint64_t order = 0;
  };
  std::unordered_map<const rcDefItem*, Last> byItem_;
  uint64_t added_ = 0;
};

}  // namespace engine
