#pragma once
// Which of the host's data a layout left off its paper, and for which cause:
// a value or a record that no page holds, at any depth of the instance tree,
// or a value placed beyond the paper's edge.
#include <unordered_set>

#include "engine/page_layout.h"
#include "engine/report_model.h"
#include "platform/drawing/geometry.h"

namespace engine {

inline constexpr const char* kLeftOutMessage =
    "Tessel: Some of the report's data did not fit on its pages and was left out.";

// A value, picture or rich text of the host's: the data whose loss is told.
// Static template content (labels, frames, fixed pictures) is not.
bool IsHostValue(const TPlacedItem& placed);

// Drawn from its rectangle, an item shows whole only inside the area,
// whichever way round its corners are.
bool LiesWithin(const platform::TRect& rect, const platform::TRect& area);

struct LeftOutContent {
  // A value placed on a page but not wholly on the paper.
  bool beyondPaper = false;
  // Data on no page that no rule below accounts for.
  bool onNoPage = false;
  // The first title instance that the one-title rule passed over and that no
  // page holds; everything it holds is left out with it.
  const TInstancePair* skippedTitle = nullptr;
};

// paper: (0, 0, width, height) in layout units. skippedTitles: the title
// instances the layout passed over because their region's title was placed.
LeftOutContent FindLeftOutContent(const InstanceList& instances, const TPageList& pages,
                                  const platform::TRect& paper,
                                  const std::unordered_set<const TInstancePair*>& skippedTitles);

}  // namespace engine
