#pragma once
// Finding styles: by the clicked item of a style submenu, and by name among
// the styles in use.
#include <string>
#include <vector>

#include "designer/styles/style_record.h"
#include "platform/controls/component.h"

namespace designer {

// The position of the clicked style item in its submenu, which is the
// style's index in the style list; -1 for anything else.
int ClickedStyleIndex(platform::TObject* sender);

// Whether one of the first count styles, other than entry except, has this
// name (compared exactly, as the engine does).
bool StyleNameInUse(const std::vector<TStyleRecord*>& list, int count, const std::string& name, int except = -1);

// "A", "A, B", ...
std::string JoinNames(const std::vector<std::string>& names);

}  // namespace designer
