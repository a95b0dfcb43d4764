#include "engine/template_name_index.h"

#include <vector>

namespace engine {

TemplateNameIndex::TemplateNameIndex(const TemplateList& root) { Add(root); }

void TemplateNameIndex::Add(const TemplateList& root) {
  // The search's order: an item before what it holds, depth first, the first
  // of a name winning. An explicit stack, since nesting may be deep.
  struct Position {
    const TemplateList* list;
    size_t next;
  };
  std::vector<Position> stack{{&root, 0}};
  while (!stack.empty()) {
    Position& at = stack.back();
    if (at.next >= at.list->size()) {
      stack.pop_back();
      continue;
    }
    const rcDefItem& item = *(*at.list)[at.next++];
    // Styles share the name space with nothing.
    if (item.ItemType != kReportStyle && item.ItemType != kTextStyle) {
      byName_.emplace(item.Name, &item);
    }
    if (IsContainer(item.ItemType)) {
      if (const TemplateList* children = ChildrenOf(item)) stack.push_back({children, 0});
    }
  }
}

const rcDefItem* TemplateNameIndex::Find(const std::string& name) const {
  const auto found = byName_.find(name);
  return found == byName_.end() ? nullptr : found->second;
}

}  // namespace engine
