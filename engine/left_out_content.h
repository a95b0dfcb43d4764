#pragma once
// Whether a layout left part of the host's data off its pages: a value or a
// record that no page holds, at any depth of the instance tree.
#include "engine/page_layout.h"
#include "engine/report_model.h"

namespace engine {

bool LeavesContentOut(const InstanceList& instances, const TPageList& pages);

}  // namespace engine
