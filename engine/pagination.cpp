#include "engine/pagination.h"

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <variant>
#include <vector>

#include "engine/engine_state.h"
#include "engine/instance_list_progress.h"
#include "engine/layout_geometry.h"
#include "engine/layout_template_index.h"
#include "engine/left_out_content.h"
#include "engine/page_drawing.h"
#include "engine/placed_item_index.h"

namespace engine {
namespace {

using platform::TPoint;
using platform::TRect;

constexpr const char* kReportContainerName = "REPORT";
const std::string kNoReportStyleMessage =
    "Tessel: The template has no report style; the report cannot be laid out.";
const std::string kPageCapMessage = "Tessel: The report has more than " +
                                    std::to_string(kMaxPages) +
                                    " pages; the pages after that were left out.";

std::string SkippedTitleMessage(const std::string& titleName) {
  return "Tessel: Title region \"" + titleName +
         "\" was entered where a title is printed already; only the first title is printed, and "
         "the data of this one was left out.";
}

std::string BrokenOffMessage(const std::string& regionName) {
  return "Tessel: Region \"" + regionName +
         "\" was entered with no region open, so it cannot flow onto a new page; the data that "
         "did not fit on its page was left out.";
}

// The flag of fixed (ABSOLUTE) and repeat (MULTIPAGE) regions.
bool RegionFlag(const rcDefItem& item) {
  const auto* region = std::get_if<rcFixedRegion>(&item.Data);
  return region != nullptr && region->Flag;
}

bool IsDynamicFile(const rcDefItem& item) {
  if (const auto* picture = std::get_if<rcGraphicRegion>(&item.Data)) return picture->Dynamic;
  if (const auto* richText = std::get_if<rcRichText>(&item.Data)) return richText->Dynamic;
  return false;
}

bool IsSystemVariable(const rcDefItem& item) {
  const auto* variable = std::get_if<rcVariable>(&item.Data);
  return variable != nullptr && variable->VarType >= kVarPageNumber &&
         variable->VarType <= kVarDateTime;
}

// Template content that is placed the same on every page it appears on:
// its entries come from the template, not from the host's values.
bool IsStaticContent(const rcDefItem& item) {
  switch (item.ItemType) {
    case kLabel:
    case kShapeRegion:
      return true;
    case kVariable:
      return IsSystemVariable(item);
    case kImageRegion:
    case kRichTextRegion:
      return !IsDynamicFile(item);
    default:
      return false;
  }
}

// Placed and title placed are what a layout derives; the title fields are
// cleared too, so that a layout after the host added data does not start
// from a title page of the previous one. A fresh instance holds these same
// values, so an unchanged tree lays out as it did the first time.
void ResetInstances(InstanceList& list) {
  for (auto& entry : list) {
    if (!entry->region || !IsContainer(entry->item->ItemType)) continue;
    TRegionInstance& instance = *entry->region;
    instance.placed = false;
    instance.titlePlaced = false;
    instance.titleRect = {};
    instance.titlePage = 0;
    instance.titleHeight = 0;
    ResetInstances(instance.children);
  }
}

// The lift and title rectangle an instance passes to its region's template
// children.
struct ChildLift {
  int32_t lift = 0;
  TRect title;
};

class PaginationRun {
 public:
  PaginationRun(TemplateList& templates, InstanceList& instances, TPageList& pages)
      : instances_(instances), pages_(pages), index_(templates) {}

  PaginationResult Run();

 private:
  bool PlaceReportFrame(TPoint& origin);
  void PlaceStaticItems(TemplateList& list, TPage& target, TPoint origin, int32_t lift,
                        const TRect& title);
  bool PlaceParentTitle(InstanceList& list, TPoint origin, bool place, TRect& title,
                        int32_t& titleHeight);
  void PlaceInstances(TInstancePair& owner, TPoint origin, bool breakAllowed, int32_t& growth,
                      int32_t& templateHeight);
  void WalkInstances(TInstancePair& owner, TPoint origin, bool breakAllowed, int64_t& growth,
                     int32_t& templateHeight);
  TRect MeasureInstance(TInstancePair& entry);
  bool MeasureUnplacedInstances();
  bool NewPage(bool forBreak);
  TRect ComputeInstanceRect(const TInstancePair& entry, TPoint origin, int32_t lift,
                            const TRect& title, bool first);
  bool TryInstanceRect(const TInstancePair& entry, TPoint origin, int32_t lift,
                       const TRect& title, bool first, TRect& candidate);
  bool CollidesWithStaticLayer(const rcDefItem& item, const TRect& candidate);
  TPoint FindPlacedOrigin(const std::string& name) const;

  TPlacedItem& Append(TPage& target, std::unique_ptr<TPlacedItem> placed);
  TPlacedItem& PlaceTemplateItem(TPage& target, rcDefItem& item, TPoint origin, int32_t lift);
  TPlacedItem& PlaceEntry(TInstancePair& entry, TPoint origin, int32_t lift);
  TPlacedItem& PlaceRecord(TInstancePair& entry, const TRect& candidate);
  void PlaceChildrenOf(rcDefItem& region, TPage& target, TPoint origin, int32_t lift,
                       const TRect& title);
  ChildLift LiftFor(const TRegionInstance& instance) const;
  // Where a fixed or shape region entered in a list with this title lies.
  static TPoint RegionOrigin(const rcDefItem& region, TPoint origin, const TRect& title,
                             int32_t lift);
  InstanceListProgress* ProgressOf(InstanceList& list);
  bool MustPlaceRegardless();
  bool NoPageHolds(const TInstancePair& entry, TPoint origin, const TRect& title,
                   const TRegionInstance& owning);
  bool InStaticLayer(const rcDefItem& item, const TRect& rect) const;
  void NoteBrokenOff(const rcDefItem& item);
  // True when the left-out message was shown.
  bool ReportLeftOutContent();

  TPage& StaticLayer() { return *pages_.front(); }
  TPage& CurrentPage() { return *pages_[static_cast<size_t>(currentPage_)]; }

  InstanceList& instances_;
  TPageList& pages_;
  LayoutTemplateIndex index_;
  PlacedItemIndex staticIndex_;
  PlacedItemIndex currentIndex_;
  std::unordered_map<const InstanceList*, std::unique_ptr<InstanceListProgress>> progress_;
  const InstanceListProgress::Measure measure_ = [this](TInstancePair& entry) {
    return MeasureInstance(entry);
  };

  int32_t currentPage_ = 0;
  int32_t lastPage_ = 0;
  int depth_ = -1;
  uint8_t orientation_ = 0;
  bool pageBreakRequest_ = false;
  // Counts every break asked for: a region whose walk asked for none has
  // placed all it holds.
  uint64_t breaksAsked_ = 0;
  bool repeatStop_ = false;

  // A record that breaks on a page opened by a break, before any record was
  // placed whole there, would break again on every page that follows.
  bool pageOpenedByBreak_ = false;
  int64_t wholeRecordsOnPage_ = 0;
  bool pageCapReached_ = false;
  // The paper the pages are printed on, as the report style gives it.
  TRect paper_;
  // Title instances passed over because their region's title was placed.
  std::unordered_set<const TInstancePair*> skippedTitles_;
  // The first region entered with no region open whose break no page
  // answered: the top level starts new pages only for fixed regions.
  const rcDefItem* brokenOffBy_ = nullptr;
};

PaginationResult PaginationRun::Run() {
  ResetInstances(instances_);
  pages_.push_back(std::make_unique<TPage>());
  TPoint origin;
  if (!PlaceReportFrame(origin)) return {orientation_, false};
  PlaceStaticItems(index_.Root(), StaticLayer(), origin, 0, TRect{});
  pageBreakRequest_ = false;
  repeatStop_ = false;
  if (!instances_.empty() && instances_.front()->region) {
    int32_t growth = 0;
    int32_t templateHeight = 0;
    PlaceInstances(*instances_.front(), origin, true, growth, templateHeight);
  }
  return {orientation_, ReportLeftOutContent()};
}

bool PaginationRun::PlaceReportFrame(TPoint& origin) {
  rcDefItem* report = nullptr;
  for (auto& item : index_.Root()) {
    if (item->ItemType == kReportStyle && std::holds_alternative<rcReport>(item->Data)) {
      report = item.get();
      break;
    }
  }
  if (report == nullptr) {
    ShowMessage(kNoReportStyleMessage);
    return false;
  }
  const rcReport& style = report->As<rcReport>();
  orientation_ = style.Landscape ? 1 : 0;
  const int32_t paperAcross = InchesToUnits(style.Landscape ? style.PaperHeight : style.PaperWidth);
  const int32_t paperDown = InchesToUnits(style.Landscape ? style.PaperWidth : style.PaperHeight);
  paper_ = {0, 0, paperAcross, paperDown};
  const int32_t left = InchesToUnits(style.PlaceLeft);
  const int32_t top = InchesToUnits(style.PlaceTop);
  // Landscape turns the report area; its place on the paper stays.
  const double across = style.Landscape ? style.ReportHeight : style.ReportWidth;
  const double down = style.Landscape ? style.ReportWidth : style.ReportHeight;

  auto frame = std::make_unique<TPlacedItem>();
  frame->ownedEntry = std::make_unique<TInstancePair>();
  frame->ownedEntry->item = report;
  frame->entry = frame->ownedEntry.get();
  frame->origin = {left, top};
  frame->rect = {left, top, SaturatedUnits(int64_t{InchesToUnits(across)} + left - 10),
                 SaturatedUnits(int64_t{InchesToUnits(down)} + top - 10)};
  Append(StaticLayer(), std::move(frame));
  origin = {left, top};
  return true;
}

TPlacedItem& PaginationRun::Append(TPage& target, std::unique_ptr<TPlacedItem> placed) {
  TPlacedItem& added = *placed;
  target.push_back(std::move(placed));
  if (&target == &StaticLayer()) staticIndex_.Add(added);
  if (&target == &CurrentPage()) currentIndex_.Add(added);
  return added;
}

TPlacedItem& PaginationRun::PlaceTemplateItem(TPage& target, rcDefItem& item, TPoint origin,
                                              int32_t lift) {
  auto placed = std::make_unique<TPlacedItem>();
  placed->ownedEntry = std::make_unique<TInstancePair>();
  placed->ownedEntry->item = &item;
  placed->entry = placed->ownedEntry.get();
  placed->rect = GetItemRect(item);
  OffsetPlacedItem(*placed, lift, origin);
  return Append(target, std::move(placed));
}

TPlacedItem& PaginationRun::PlaceEntry(TInstancePair& entry, TPoint origin, int32_t lift) {
  auto placed = std::make_unique<TPlacedItem>();
  placed->entry = &entry;
  placed->rect = GetItemRect(*entry.item);
  OffsetPlacedItem(*placed, lift, origin);
  return Append(CurrentPage(), std::move(placed));
}

TPlacedItem& PaginationRun::PlaceRecord(TInstancePair& entry, const TRect& candidate) {
  auto placed = std::make_unique<TPlacedItem>();
  placed->entry = &entry;
  placed->origin = {candidate.Left, candidate.Top};
  placed->rect = candidate;
  return Append(CurrentPage(), std::move(placed));
}

void PaginationRun::PlaceChildrenOf(rcDefItem& region, TPage& target, TPoint origin,
                                    int32_t lift, const TRect& title) {
  if (TemplateList* children = ChildrenOf(region)) {
    PlaceStaticItems(*children, target, origin, lift, title);
  }
}

void PaginationRun::PlaceStaticItems(TemplateList& list, TPage& target, TPoint origin,
                                     int32_t lift, const TRect& title) {
  // Only the static layer is built on page index 0: a container that holds
  // a title keeps its content out of it, to be placed page by page.
  const bool titleKeepsOut = currentPage_ == 0 && index_.HasTitleItem(list);
  for (auto& holder : list) {
    rcDefItem& item = *holder;
    const TRect moved = ShiftedRect(GetItemRect(item), origin.X, origin.Y);
    int32_t itemLift = 0;
    if (IsStaticContent(item)) {
      if (titleKeepsOut) continue;
      itemLift = LiesBelow(title, moved) ? lift : 0;
    } else if (item.ItemType == kFixedRegion) {
      const bool absolute = RegionFlag(item);
      if (titleKeepsOut && absolute) continue;
      itemLift = (absolute && LiesBelow(title, moved)) ? lift : 0;
    } else {
      continue;
    }
    // What the static layer holds at the same place is drawn under every
    // page already; placed again, it would be drawn twice.
    const TRect rect = ShiftedRect(GetItemRect(item), origin.X, int64_t{origin.Y} - itemLift);
    TPoint childOrigin{rect.Left, rect.Top};
    if (&target == &StaticLayer() || !InStaticLayer(item, rect)) {
      childOrigin = PlaceTemplateItem(target, item, origin, itemLift).origin;
    }
    if (item.ItemType == kFixedRegion || item.ItemType == kShapeRegion) {
      PlaceChildrenOf(item, target, childOrigin, 0, TRect{});
    }
  }
}

bool PaginationRun::PlaceParentTitle(InstanceList& list, TPoint origin, bool place,
                                     TRect& title, int32_t& titleHeight) {
  const rcItemBox* box = BoxOf(*list.front()->item);
  if (box == nullptr || box->Parent == kReportContainerName) {
    titleHeight = 0;
    title = {};
    return false;
  }
  rcDefItem* container = index_.Find(box->Parent);
  rcDefItem* titleItem = container != nullptr ? index_.FirstTitleChild(*container) : nullptr;
  if (titleItem == nullptr) {
    titleHeight = 0;
    return false;
  }
  if (place) {
    TPlacedItem& placed = PlaceTemplateItem(CurrentPage(), *titleItem, origin, 0);
    PlaceChildrenOf(*titleItem, CurrentPage(), placed.origin, 0, TRect{});
    title = placed.rect;
    titleHeight = 0;
    return true;
  }
  title = GetItemRect(*titleItem);
  titleHeight = RectHeight(title);
  return true;
}

TPoint PaginationRun::RegionOrigin(const rcDefItem& region, TPoint origin, const TRect& title,
                                   int32_t lift) {
  const TRect itemRect = GetItemRect(region);
  if (region.ItemType == kShapeRegion) {
    // A shape below the title moves down by it; an ABSOLUTE fixed region up.
    TRect shape = ShiftedRect(itemRect, origin.X, origin.Y);
    if (LiesBelow(title, shape)) shape = ShiftedRect(shape, 0, lift);
    return {shape.Left, shape.Top};
  }
  const int32_t applied = (RegionFlag(region) && LiesBelow(title, itemRect)) ? lift : 0;
  const TRect at = ShiftedRect(itemRect, origin.X, int64_t{origin.Y} - applied);
  return {at.Left, at.Top};
}

ChildLift PaginationRun::LiftFor(const TRegionInstance& instance) const {
  if (instance.titlePage != currentPage_ && instance.titlePlaced) {
    return {instance.titleHeight, instance.titleRect};
  }
  return {0, instance.titleRect};
}

InstanceListProgress* PaginationRun::ProgressOf(InstanceList& list) {
  auto found = progress_.find(&list);
  if (found != progress_.end()) return found->second.get();
  // A list of values alone (most records) has nothing to remember.
  const bool holdsRegions = std::any_of(list.begin(), list.end(),
                                        [](const auto& entry) { return entry->region != nullptr; });
  if (!holdsRegions) return nullptr;
  return progress_.emplace(&list, std::make_unique<InstanceListProgress>(list)).first->second.get();
}

void PaginationRun::PlaceInstances(TInstancePair& owner, TPoint origin, bool breakAllowed,
                                   int32_t& growth, int32_t& templateHeight) {
  ++depth_;
  int64_t placedGrowth = 0;
  WalkInstances(owner, origin, breakAllowed, placedGrowth, templateHeight);
  --depth_;
  growth = SaturatedUnits(placedGrowth);
}

void PaginationRun::WalkInstances(TInstancePair& owner, TPoint origin, const bool breakAllowed,
                                  int64_t& growth, int32_t& templateHeight) {
  const bool topLevel = depth_ == 0;
  InstanceList& list = topLevel ? instances_ : owner.region->children;
  TRegionInstance& owning = *owner.region;
  if (list.empty()) return;
  if (currentPage_ == 0 && !NewPage(false)) return;
  InstanceListProgress* progress = ProgressOf(list);
  const auto touch = [progress](size_t index) {
    if (progress != nullptr) progress->MarkTouched(index);
  };
  // At the top level the owner is the first top-level instance, whose title
  // fields this pass sets.
  if (topLevel) touch(0);

  TPoint position = origin;
  bool first = true;
  bool mayBreak = breakAllowed;
  int32_t liftBy = 0;
  TRect title;
  const bool holdsTitleInstance = progress != nullptr && progress->HasTitleInstance();
  if (!holdsTitleInstance &&
      PlaceParentTitle(list, position, !owning.titlePlaced, title, liftBy)) {
    owning.titleRect = title;
    if (owning.titlePage == 0) owning.titlePage = currentPage_;
    owning.titlePlaced = true;
    owning.titleHeight = RectHeight(title);
  }
  if (owning.titlePage != 0 && owning.titlePage != currentPage_ && owning.titlePlaced) {
    liftBy = owning.titleHeight;
  }
  title = owning.titleRect;

  size_t i = 0;
  while (true) {
    const size_t next = progress != nullptr ? progress->SkipPlacedRecords(i) : i;
    if (next != i) {
      // Stepping over placed records: each would end the pass under the
      // repeat stop, or start the next record afresh.
      if (repeatStop_) return;
      first = true;
      i = next;
    }
    if (i >= list.size()) return;
    TInstancePair& entry = *list[i];
    rcDefItem& item = *entry.item;

    switch (item.ItemType) {
      case kVariable:
      case kImageRegion:
      case kRichTextRegion: {
        if (!entry.value) break;
        repeatStop_ = false;
        // A value is printed once: a region walked again on a later page, to
        // go on with its records, does not place its values again. A list of
        // values alone is walked once, its record being done after it.
        if (progress != nullptr) {
          if (progress->ValuePlaced(i)) break;
          progress->PassValue(i);
        }
        const TRect itemRect = GetItemRect(item);
        PlaceEntry(entry, position, LiesBelow(title, itemRect) ? liftBy : 0);
        break;
      }

      case kFixedRegion:
      case kShapeRegion: {
        // Records in a shape flow as those in a fixed region do: the region
        // is placed once all it holds is, and the top level goes on with it
        // on a new page.
        if (!entry.region) break;
        repeatStop_ = false;
        TRegionInstance& data = *entry.region;
        if (!topLevel && data.placed) break;
        const TPoint regionOrigin = RegionOrigin(item, position, title, liftBy);
        const ChildLift childLift = LiftFor(data);
        PlaceChildrenOf(item, CurrentPage(), regionOrigin, childLift.lift, childLift.title);
        touch(i);
        const uint64_t breaksBefore = breaksAsked_;
        int32_t recordsGrowth = 0;
        int32_t recordsHeight = 0;
        PlaceInstances(entry, regionOrigin, mayBreak, recordsGrowth, recordsHeight);
        growth += std::max(0, recordsGrowth - recordsHeight);
        if (breaksAsked_ == breaksBefore) {
          data.placed = true;
          break;
        }
        if (!topLevel || !pageBreakRequest_) break;
        // The top level answers the break: a new page, and the same entry
        // again, stepping over what is placed.
        if (!NewPage(true)) return;
        pageBreakRequest_ = false;
        mayBreak = true;
        first = true;
        if (owning.titlePage != 0 && owning.titlePage != currentPage_ && owning.titlePlaced) {
          liftBy = owning.titleHeight;
        }
        title = owning.titleRect;
        continue;
      }

      case kTitleRegion: {
        if (!entry.region) break;
        if (owning.titlePlaced) {
          skippedTitles_.insert(&entry);
          break;
        }
        const TRect itemRect = GetItemRect(item);
        owning.titleRect = itemRect;
        owning.titlePage = currentPage_;
        owning.titlePlaced = true;
        owning.titleHeight = RectHeight(itemRect);
        position = FindPlacedOrigin(BoxOf(item)->Parent);
        TPlacedItem& placed = PlaceEntry(entry, position, 0);
        const TPoint titleOrigin = placed.origin;
        PlaceChildrenOf(item, CurrentPage(), titleOrigin, 0, title);
        touch(i);
        int32_t ignoredGrowth = 0;
        int32_t ignoredHeight = 0;
        PlaceInstances(entry, titleOrigin, mayBreak, ignoredGrowth, ignoredHeight);
        if (topLevel && pageBreakRequest_) NoteBrokenOff(item);
        entry.region->placed = true;
        break;
      }

      case kRepeatRegion: {
        if (!entry.region) break;
        if (repeatStop_) return;
        TRegionInstance& data = *entry.region;
        if (data.placed) {
          first = true;
          break;
        }
        // One record is tried where the whole one would start: below the
        // last record of the region on this page only when that record is
        // this list's, not another record's of the same region.
        const bool firstHere = first;
        TRect candidate = ComputeInstanceRect(entry, position, liftBy, title, first);
        first = false;
        bool ok = !mayBreak || !CollidesWithStaticLayer(item, candidate);
        bool fits = true;
        // A record kept whole that no page holds starts here and flows on,
        // as a MULTIPAGE one does, rather than leaving this page empty.
        const bool flows =
            RegionFlag(item) || (!ok && mayBreak && NoPageHolds(entry, position, title, owning));
        if (flows && !ok && mayBreak) {
          fits = TryInstanceRect(entry, position, liftBy, title, firstHere, candidate);
        }
        bool regardless = false;
        if (flows ? !fits : !ok) {
          if (!MustPlaceRegardless()) {
            repeatStop_ = true;
            pageBreakRequest_ = true;
            ++breaksAsked_;
            if (topLevel) NoteBrokenOff(item);
            return;
          }
          // A record kept whole that not even a fresh page holds breaks as a
          // MULTIPAGE one does, so that what it holds flows on.
          if (!flows) {
            fits = TryInstanceRect(entry, position, liftBy, title, firstHere, candidate);
          }
          // Not even one record fits: it goes on this page rather than asking
          // for new pages without end, and what it holds still flows on.
          regardless = !fits;
        }
        const bool whole = fits && ok && !regardless;
        TPlacedItem& placed = PlaceRecord(entry, candidate);
        const TPoint recordOrigin = placed.origin;
        const ChildLift childLift = LiftFor(data);
        PlaceChildrenOf(item, CurrentPage(), recordOrigin, childLift.lift, childLift.title);
        touch(i);
        int32_t childGrowth = 0;
        int32_t childTemplateHeight = 0;
        const uint64_t breaksBefore = breaksAsked_;
        PlaceInstances(entry, recordOrigin, mayBreak && !whole, childGrowth, childTemplateHeight);
        // Started as a part, a record whose rest found room here is done.
        data.placed = whole || breaksAsked_ == breaksBefore;
        if (data.placed) ++wholeRecordsOnPage_;
        placed.rect = candidate;
        templateHeight = BoxOf(item)->Height;
        if (!whole) {
          placed.rect.Bottom =
              SaturatedUnits(int64_t{candidate.Bottom} + childGrowth - childTemplateHeight);
        }
        growth += RectHeight(placed.rect);
        if (repeatStop_) {
          if (topLevel) NoteBrokenOff(item);
          return;
        }
        break;
      }

      default:
        break;
    }
    ++i;
  }
}

TRect PaginationRun::ComputeInstanceRect(const TInstancePair& entry, TPoint origin,
                                         int32_t lift, const TRect& title, bool first) {
  const TRect& measured = entry.region->rect;
  if (first) {
    const int32_t applied = LiesBelow(title, measured) ? lift : 0;
    return ShiftedRect(measured, origin.X, int64_t{origin.Y} - applied);
  }
  if (const TPlacedItem* previous = currentIndex_.LastOf(entry.item)) {
    const TRect& above = previous->rect;
    return {above.Left, above.Bottom, above.Right,
            SaturatedUnits(int64_t{above.Bottom} + RectHeight(measured))};
  }
  return ShiftedRect(measured, origin.X, origin.Y);
}

bool PaginationRun::TryInstanceRect(const TInstancePair& entry, TPoint origin, int32_t lift,
                                    const TRect& title, bool first, TRect& candidate) {
  candidate = ComputeInstanceRect(entry, origin, lift, title, first);
  // One record: the template height, without what nested records add.
  const int32_t recordHeight = RectHeight(GetItemRect(index_.Named(*entry.item)));
  candidate.Bottom = SaturatedUnits(int64_t{candidate.Top} + recordHeight);
  return !CollidesWithStaticLayer(*entry.item, candidate);
}

bool PaginationRun::CollidesWithStaticLayer(const rcDefItem& item, const TRect& candidate) {
  const TPage& staticLayer = StaticLayer();
  const std::vector<char>& chain = index_.StaticChainFlags(item, staticLayer);
  for (size_t i = 0; i < staticLayer.size(); ++i) {
    if (PlacedItemCollides(staticLayer[i]->rect, chain[i] != 0, candidate)) return true;
  }
  return false;
}

TPoint PaginationRun::FindPlacedOrigin(const std::string& name) const {
  if (const TPlacedItem* placed = currentIndex_.LastNamed(name)) return placed->origin;
  if (const TPlacedItem* placed = staticIndex_.LastNamed(name)) return placed->origin;
  return {0, 0};
}

TRect PaginationRun::MeasureInstance(TInstancePair& entry) {
  TRect measured = GetItemRect(*entry.item);
  TRegionInstance& instance = *entry.region;
  if (instance.placed) return measured;
  InstanceListProgress* progress = ProgressOf(instance.children);
  if (progress != nullptr) progress->Remeasure(false, measure_);
  const uint8_t kind = entry.item->ItemType;
  const bool grows = kind == kRepeatRegion || kind == kFixedRegion || kind == kShapeRegion;
  if (progress == nullptr || !grows ||
      (progress->UnplacedRecordCount() == 0 && progress->UnplacedContainerGrowth() == 0)) {
    instance.rect = measured;
    return measured;
  }
  // Grown by its nested records, less the one template height of the nested
  // region already in its own, and by what fixed and shape regions inside
  // it grew (the records they hold push the rest down as well).
  int64_t bottom = int64_t{measured.Bottom} + progress->UnplacedContainerGrowth();
  if (progress->UnplacedRecordCount() > 0) {
    bottom += progress->UnplacedRecordHeights() -
              RectHeight(GetItemRect(*instance.children.back()->item));
  }
  // A repeat instance is less a title that the coming page leaves out.
  if (kind == kRepeatRegion && instance.titlePlaced && instance.titlePage != currentPage_ + 1) {
    bottom -= instance.titleHeight;
  }
  measured.Bottom = SaturatedUnits(bottom);
  instance.rect = measured;
  return measured;
}

bool PaginationRun::MeasureUnplacedInstances() {
  InstanceListProgress* progress = ProgressOf(instances_);
  if (progress == nullptr) return false;
  progress->Remeasure(true, measure_);
  return progress->AnyUnplaced();
}

bool PaginationRun::NewPage(bool forBreak) {
  const bool unplaced = MeasureUnplacedInstances();
  if (!unplaced || currentPage_ != lastPage_ || CurrentPage().empty()) return false;
  if (pages_.size() - 1 >= static_cast<size_t>(kMaxPages)) {
    if (!pageCapReached_) ShowMessage(kPageCapMessage);
    pageCapReached_ = true;
    return false;
  }
  pages_.push_back(std::make_unique<TPage>());
  ++currentPage_;
  ++lastPage_;
  currentIndex_.Clear();
  pageOpenedByBreak_ = forBreak;
  wholeRecordsOnPage_ = 0;
  return true;
}

bool PaginationRun::NoPageHolds(const TInstancePair& entry, TPoint origin, const TRect& title,
                                const TRegionInstance& owning) {
  // Where the record would start on a fresh page: first of its region, lifted
  // by a title that page does not print.
  const TRect& measured = entry.region->rect;
  const int32_t lift = owning.titlePlaced && LiesBelow(title, measured) ? owning.titleHeight : 0;
  const TRect fresh = ShiftedRect(measured, origin.X, int64_t{origin.Y} - lift);
  return CollidesWithStaticLayer(*entry.item, fresh);
}

bool PaginationRun::InStaticLayer(const rcDefItem& item, const TRect& rect) const {
  const TPlacedItem* placed = staticIndex_.LastOf(&item);
  return placed != nullptr && placed->rect == rect;
}

bool PaginationRun::MustPlaceRegardless() {
  return CurrentPage().empty() || (pageOpenedByBreak_ && wholeRecordsOnPage_ == 0);
}

void PaginationRun::NoteBrokenOff(const rcDefItem& item) {
  if (brokenOffBy_ == nullptr) brokenOffBy_ = &item;
}

bool PaginationRun::ReportLeftOutContent() {
  const LeftOutContent leftOut = FindLeftOutContent(instances_, pages_, paper_, skippedTitles_);
  if (leftOut.skippedTitle != nullptr) {
    ShowMessage(SkippedTitleMessage(leftOut.skippedTitle->item->Name));
  }
  // Data on no page is what the page cap (which has said so already) or a
  // break at the top level cut off, or else what found no room.
  const bool unexplained = leftOut.onNoPage && !pageCapReached_;
  if (unexplained && brokenOffBy_ != nullptr) ShowMessage(BrokenOffMessage(brokenOffBy_->Name));
  if ((unexplained && brokenOffBy_ == nullptr) || leftOut.beyondPaper) {
    ShowMessage(kLeftOutMessage);
    return true;
  }
  return false;
}

}  // namespace

PaginationResult Paginate(TemplateList& templates, InstanceList& instances, TPageList& pages) {
  return PaginationRun(templates, instances, pages).Run();
}

}  // namespace engine
