#pragma once
// One layout: the template and the instance tree become the static layer
// and the pages of a page list.
#include <cstdint>

#include "engine/page_layout.h"
#include "engine/report_model.h"
#include "engine/template_items.h"

namespace engine {

struct PaginationResult {
  // The report orientation byte, 0 portrait, 1 landscape.
  uint8_t orientation = 0;
  // The left-out message was shown for data beyond the paper or on no page.
  bool reportedLeftOut = false;
};

// Fills the (empty) page list. Shows a "Tessel: " message when content had to
// be left out.
PaginationResult Paginate(TemplateList& templates, InstanceList& instances, TPageList& pages);

}  // namespace engine
