#include "engine/layout_template_index.h"

#include <algorithm>
#include <unordered_set>

#include "engine/layout_geometry.h"
#include "engine/template_reader.h"

namespace engine {

LayoutTemplateIndex::LayoutTemplateIndex(TemplateList& root) : root_(root), names_(root) {}

rcDefItem* LayoutTemplateIndex::Find(const std::string& name) {
  // The name index keeps its items read-only for the drawing; here they come
  // from the root this index was given to change.
  return const_cast<rcDefItem*>(names_.Find(name));
}

const rcDefItem& LayoutTemplateIndex::Named(const rcDefItem& item) {
  const rcDefItem* named = Find(item.Name);
  return named != nullptr ? *named : item;
}

rcDefItem* LayoutTemplateIndex::FirstTitleChild(rcDefItem& container) {
  auto found = firstTitle_.find(&container);
  if (found != firstTitle_.end()) return found->second;
  rcDefItem* title = nullptr;
  if (TemplateList* children = ChildrenOf(container)) {
    for (auto& child : *children) {
      if (child->ItemType == kTitleRegion) {
        title = child.get();
        break;
      }
    }
  }
  firstTitle_.emplace(&container, title);
  return title;
}

bool LayoutTemplateIndex::HasTitleItem(const TemplateList& list) {
  auto found = holdsTitle_.find(&list);
  if (found != holdsTitle_.end()) return found->second;
  const bool holds = std::any_of(list.begin(), list.end(),
                                 [](const auto& item) { return item->ItemType == kTitleRegion; });
  holdsTitle_.emplace(&list, holds);
  return holds;
}

const std::vector<char>& LayoutTemplateIndex::StaticChainFlags(const rcDefItem& item,
                                                               const TPage& staticLayer) {
  auto found = chainFlags_.find(&item);
  if (found != chainFlags_.end() && found->second.size() == staticLayer.size()) {
    return found->second;
  }
  // The names InParentChain would meet walking up from the item, walked once
  // rather than once for each placed item.
  std::unordered_set<std::string> chain{kReportStyleName};
  std::unordered_set<const rcDefItem*> passed;
  const rcDefItem* current = &item;
  while (current != nullptr && IsContainer(current->ItemType) && passed.insert(current).second) {
    const std::string& parent = BoxOf(*current)->Parent;
    chain.insert(parent);
    if (parent == "REPORT") break;
    current = Find(parent);
  }
  std::vector<char> flags;
  flags.reserve(staticLayer.size());
  for (const auto& placed : staticLayer) {
    flags.push_back(chain.contains(placed->entry->item->Name) ? 1 : 0);
  }
  std::vector<char>& stored = chainFlags_[&item];
  stored = std::move(flags);
  return stored;
}

}  // namespace engine
