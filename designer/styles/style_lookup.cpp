#include "designer/styles/style_lookup.h"

#include "platform/controls/menus.h"

namespace designer {

int ClickedStyleIndex(platform::TObject* sender) {
  const auto* item = dynamic_cast<const platform::TMenuItem*>(sender);
  return item ? item->MenuIndex() : -1;
}

bool StyleNameInUse(const std::vector<TStyleRecord*>& list, int count, const std::string& name, int except) {
  for (int i = 0; i < count && i < static_cast<int>(list.size()); ++i)
    if (i != except && list[static_cast<std::size_t>(i)]->Name == name) return true;
  return false;
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    if (!text.empty()) text += ", ";
    text += name;
  }
  return text;
}

}  // namespace designer
