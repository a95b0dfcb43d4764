#pragma once
// Which control of a design the engine would print in a style: labels and
// variables by their style and highlight style, direct-text regions by
// theirs, and every control whose entry names no style by "DEFAULTSTYLE"
// (rich-text regions from a file or "DYNAMIC" always do).
#include <string>

#include "platform/controls/win_control.h"

namespace designer {

// The first such control below the container, in child order, depth first;
// null when none uses the style.
platform::TControl* FindStyleUser(platform::TWinControl* container, const std::string& styleName);

}  // namespace designer
