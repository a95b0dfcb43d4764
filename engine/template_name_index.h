#pragma once
// FindTemplateItem answered from one walk of the template: the item each name
// finds, so that a report of many items does not search the whole tree once
// for each of them.
#include <string>
#include <unordered_map>

#include "engine/template_items.h"

namespace engine {

class TemplateNameIndex {
 public:
  // The template must not change while the index is in use.
  explicit TemplateNameIndex(const TemplateList& root);

  // The item FindTemplateItem finds over the root list, or nullptr.
  const rcDefItem* Find(const std::string& name) const;

 private:
  void Add(const TemplateList& list);

  std::unordered_map<std::string, const rcDefItem*> byName_;
};

}  // namespace engine
