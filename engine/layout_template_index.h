#pragma once
// What one layout asks of the template again and again (an item by name,
// the first title of a container, whether a list holds a title, which static
// items are a repeat region's containers), answered once and remembered: the
// template does not change while a layout runs.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/page_layout.h"
#include "engine/template_items.h"
#include "engine/template_name_index.h"

namespace engine {

class LayoutTemplateIndex {
 public:
  explicit LayoutTemplateIndex(TemplateList& root);

  TemplateList& Root() { return root_; }
  // FindTemplateItem over the root list.
  rcDefItem* Find(const std::string& name);
  // The item that carries this item's name (the first of that name), or the
  // item itself when the lookup finds nothing.
  const rcDefItem& Named(const rcDefItem& item);
  // The first title region among a container's template children.
  rcDefItem* FirstTitleChild(rcDefItem& container);
  bool HasTitleItem(const TemplateList& list);
  // For each placed item of the static layer, whether it is in the parent
  // chain of the given item; the static layer is complete before it is asked.
  const std::vector<char>& StaticChainFlags(const rcDefItem& item, const TPage& staticLayer);

 private:
  TemplateList& root_;
  TemplateNameIndex names_;
  std::unordered_map<const rcDefItem*, rcDefItem*> firstTitle_;
  std::unordered_map<const TemplateList*, bool> holdsTitle_;
  std::unordered_map<const rcDefItem*, std::vector<char>> chainFlags_;
};

}  // namespace engine
