#include "designer/template_io/style_names_used.h"

#include <algorithm>

#include "designer/main_window/form1.h"
#include "designer/objects/labels.h"
#include "designer/objects/rich_text_region.h"
#include "designer/template_io/control_tree_io.h"

namespace designer {
namespace {

void Note(std::vector<std::string>& names, const std::string& name) {
  const std::string& used = name.empty() ? std::string("DEFAULTSTYLE") : name;
  if (std::find(names.begin(), names.end(), used) == names.end()) names.push_back(used);
}

void Collect(TForm1& form, platform::TWinControl* container, std::vector<std::string>& names) {
  for (int i = FirstDesignChild(container); i < container->ControlCount(); ++i) {
    platform::TControl* child = container->Controls(i);
    const std::string word = form.ControlTypeName(child);
    if (word == "LABEL") {
      Note(names, static_cast<TStyledLabel*>(child)->StyleName);
    } else if (word == "VARIABLE") {
      Note(names, static_cast<TVariableLabel*>(child)->StyleName);
      Note(names, static_cast<TVariableLabel*>(child)->HighlightStyle);
    } else if (word == "RICHTEXTREGION") {
      const auto* richText = static_cast<TRichTextRegion*>(child);
      Note(names, richText->FRtfFile.empty() ? richText->FStyleName : std::string());
    } else if (HoldsDesignObjects(form, child)) {
      Collect(form, static_cast<platform::TWinControl*>(child), names);
    }
  }
}

}  // namespace

std::vector<std::string> StyleNamesUsed(TForm1& form, platform::TWinControl* container) {
  std::vector<std::string> names;
  Collect(form, container, names);
  return names;
}

}  // namespace designer
