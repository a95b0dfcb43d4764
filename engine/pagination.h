#pragma once
// One layout: the template and the instance tree become the static layer
// and the pages of a page list.
#include <cstdint>

#include "engine/page_layout.h"
#include "engine/report_model.h"
#include "engine/template_items.h"

namespace engine {

// Fills the (empty) page list and returns the report orientation byte, 0
// portrait, 1 landscape. Shows a "Tessel: " message when content had to be
// left out.
uint8_t Paginate(TemplateList& templates, InstanceList& instances, TPageList& pages);

}  // namespace engine
