#include "engine/page_layout.h"

#include "engine/engine_state.h"
#include "engine/pagination.h"
#include "engine/template_reader.h"

namespace engine {
namespace {

// The layout's module state: the page list of the last layout, whether it
// stands, the orientation that layout read from the report style and whether
// it told the user that data was left out.
struct LayoutState {
  TPageList pages;
  bool laidOut = false;
  uint8_t orientation = 0;
  bool reportedLeftOut = false;
};

LayoutState& State() {
  static LayoutState state;
  return state;
}

}  // namespace

void RunLayout() { LayoutReport(); }

TPageList& GetPages() { return State().pages; }

TemplateList& GetTemplateItems() { return GetTemplateList(); }

uint8_t GetReportOrientation() { return State().orientation; }

bool LayoutReportedLeftOut() { return State().reportedLeftOut; }

void InitPageList() {
  if (ErrorFlag()) return;
  State().pages = TPageList{};
  State().laidOut = true;
}

void LayoutReport() { LayoutReport(GetTemplateList(), GetInstanceList()); }

void LayoutReport(TemplateList& templates, InstanceList& instances) {
  if (ErrorFlag()) return;
  if (State().laidOut) FreePageList();
  InitPageList();
  const PaginationResult result = Paginate(templates, instances, State().pages);
  State().orientation = result.orientation;
  State().reportedLeftOut = result.reportedLeftOut;
}

void FreePageList() {
  State().pages.clear();
  State().laidOut = false;
}

bool LaidOut() { return State().laidOut; }

void ClearLaidOut() { State().laidOut = false; }

}  // namespace engine
