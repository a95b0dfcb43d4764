#include "designer/styles/style_users.h"

#include "designer/objects/image_region.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"

namespace designer {
namespace {

// The style name the engine looks up for a name a control carries.
const std::string& EngineStyleName(const std::string& name) {
  static const std::string kDefault = "DEFAULTSTYLE";
  return name.empty() ? kDefault : name;
}

bool UsesStyle(platform::TControl* control, const std::string& styleName) {
  if (auto* label = dynamic_cast<TStyledLabel*>(control)) return EngineStyleName(label->StyleName) == styleName;
  if (auto* variable = dynamic_cast<TVariableLabel*>(control))
    return EngineStyleName(variable->StyleName) == styleName ||
           EngineStyleName(variable->HighlightStyle) == styleName;
  if (auto* richText = dynamic_cast<TRichTextRegion*>(control)) {
    // A region in the file form is written without a style.
    const std::string& named = richText->FRtfFile.empty() ? richText->FStyleName : std::string();
    return EngineStyleName(named) == styleName;
  }
  return false;
}

// Fixed, title, repeat and shape regions hold design objects; image and
// rich-text regions hold only their own parts.
bool HoldsDesignObjects(platform::TControl* control) {
  return dynamic_cast<TRegion*>(control) && !dynamic_cast<TImageRegion*>(control) &&
         !dynamic_cast<TRichTextRegion*>(control);
}

}  // namespace

platform::TControl* FindStyleUser(platform::TWinControl* container, const std::string& styleName) {
  for (int i = 0; i < container->ControlCount(); ++i) {
    platform::TControl* child = container->Controls(i);
    if (UsesStyle(child, styleName)) return child;
    if (HoldsDesignObjects(child))
      if (platform::TControl* user = FindStyleUser(static_cast<platform::TWinControl*>(child), styleName))
        return user;
  }
  return nullptr;
}

}  // namespace designer
