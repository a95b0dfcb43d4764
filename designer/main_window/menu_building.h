#pragma once
// Making menu items as a form description would: named, captioned, with a
// shortcut and a click handler, appended to their parent item.
#include <string>

#include "platform/controls/menus.h"

namespace designer {

platform::TMenuItem* AddMenuItem(platform::TComponent* owner, platform::TMenuItem* parent, const std::string& name,
                                 const std::string& caption, platform::TNotifyEvent onClick = nullptr,
                                 const std::string& shortCut = {});
platform::TMenuItem* AddSeparator(platform::TComponent* owner, platform::TMenuItem* parent);

}  // namespace designer
