#pragma once
// Page layout and pagination: the template and the instance tree become a
// static layer (entry 0, drawn under every page) and one list of placed items
// per page, repeat regions flowing onto new pages.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/report_model.h"
#include "engine/template_items.h"
#include "platform/drawing/geometry.h"

namespace engine {

struct TPlacedItem {
  TInstancePair* entry = nullptr;             // the model's entry, or ownedEntry
  std::unique_ptr<TInstancePair> ownedEntry;  // {template item, no data} of a static item
  platform::TPoint origin;
  platform::TRect rect;
};

using TPage = std::vector<std::unique_ptr<TPlacedItem>>;
using TPageList = std::vector<std::unique_ptr<TPage>>;

// A runaway layout stops here with a message (no report has this many pages).
inline constexpr int32_t kMaxPages = 100000;

void RunLayout();
TPageList& GetPages();
TemplateList& GetTemplateItems();
uint8_t GetReportOrientation();
// Whether the last layout showed the left-out message.
bool LayoutReportedLeftOut();
void InitPageList();
void LayoutReport();
// The same over a given template root list and top-level instance list.
void LayoutReport(TemplateList& templates, InstanceList& instances);
void FreePageList();

bool LaidOut();
void ClearLaidOut();

// Geometry tests (exposed for tests); more in layout_geometry.h.
bool RectsOverlap(const platform::TRect& a, const platform::TRect& b);
bool LiesBelow(const platform::TRect& title, const platform::TRect& r);
bool InParentChain(const rcDefItem& item, const std::string& name);

}  // namespace engine
