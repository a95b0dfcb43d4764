#include "designer/main_window/menu_building.h"

namespace designer {

platform::TMenuItem* AddMenuItem(platform::TComponent* owner, platform::TMenuItem* parent, const std::string& name,
                                 const std::string& caption, platform::TNotifyEvent onClick,
                                 const std::string& shortCut) {
  auto* item = new platform::TMenuItem(owner);
  if (!name.empty()) item->SetName(name);
  item->SetCaption(caption);
  if (!shortCut.empty()) item->SetShortCut(shortCut);
  item->OnClick = std::move(onClick);
  parent->Add(item);
  return item;
}

platform::TMenuItem* AddSeparator(platform::TComponent* owner, platform::TMenuItem* parent) {
  return AddMenuItem(owner, parent, {}, "-");
}

}  // namespace designer
