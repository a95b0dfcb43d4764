#include "engine/left_out_content.h"

#include "engine/drawn_extent.h"

#include <algorithm>
#include <vector>

namespace engine {
namespace {

using PlacedEntries = std::vector<const TInstancePair*>;

bool IsValueKind(uint8_t kind) {
  return kind == kVariable || kind == kImageRegion || kind == kRichTextRegion;
}

class LeftOutSearch {
 public:
  LeftOutSearch(const TPageList& pages, const platform::TRect& paper,
                const std::unordered_set<const TInstancePair*>& skippedTitles)
      : skippedTitles_(skippedTitles) {
    size_t count = 0;
    for (size_t page = 1; page < pages.size(); ++page) count += pages[page]->size();
    placed_.reserve(count);
    for (size_t page = 1; page < pages.size(); ++page) {
      for (const auto& item : *pages[page]) {
        if (item->ownedEntry) continue;
        if (!found_.beyondPaper && IsHostValue(*item)) {
          // Judged by what is drawn: a short text in a wide box still shows.
          if (!DrawnWithin(*item, {}, 100, 0, 0, paper)) found_.beyondPaper = true;
        }
        placed_.push_back(item->entry);
      }
    }
    std::sort(placed_.begin(), placed_.end());
  }

  // Fixed and shape regions are never placed themselves (their frames come
  // from the template); what they hold is.
  void Search(const InstanceList& list) {
    for (const auto& entry : list) {
      const uint8_t kind = entry->item->ItemType;
      if (entry->region && IsContainer(kind)) {
        const bool placesItself = kind == kRepeatRegion || kind == kTitleRegion;
        if (placesItself && !OnAPage(*entry)) {
          if (kind == kTitleRegion && skippedTitles_.contains(entry.get())) {
            if (found_.skippedTitle == nullptr) found_.skippedTitle = entry.get();
          } else {
            found_.onNoPage = true;
          }
          continue;
        }
        Search(entry->region->children);
      } else if (entry->value && IsValueKind(kind) && !OnAPage(*entry)) {
        found_.onNoPage = true;
      }
    }
  }

  const LeftOutContent& Found() const { return found_; }

 private:
  bool OnAPage(const TInstancePair& entry) const {
    return std::binary_search(placed_.begin(), placed_.end(), &entry);
  }

  const std::unordered_set<const TInstancePair*>& skippedTitles_;
  PlacedEntries placed_;
  LeftOutContent found_;
};

}  // namespace

bool IsHostValue(const TPlacedItem& placed) {
  return !placed.ownedEntry && placed.entry != nullptr && placed.entry->item != nullptr &&
         IsValueKind(placed.entry->item->ItemType);
}

bool LiesWithin(const platform::TRect& rect, const platform::TRect& area) {
  return std::min(rect.Left, rect.Right) >= area.Left &&
         std::min(rect.Top, rect.Bottom) >= area.Top &&
         std::max(rect.Left, rect.Right) <= area.Right &&
         std::max(rect.Top, rect.Bottom) <= area.Bottom;
}

LeftOutContent FindLeftOutContent(const InstanceList& instances, const TPageList& pages,
                                  const platform::TRect& paper,
                                  const std::unordered_set<const TInstancePair*>& skippedTitles) {
  LeftOutSearch search(pages, paper, skippedTitles);
  search.Search(instances);
  return search.Found();
}

}  // namespace engine
