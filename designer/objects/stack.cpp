#include "designer/objects/stack.h"

namespace designer {

void TStack::Push(platform::TComponent* component) { FList.emplace_back(component); }

platform::TComponent* TStack::Pop() {
  if (FList.empty()) return nullptr;
  platform::TComponent* last = FList.back();
  FList.pop_back();
  return last;
}

platform::TComponent* TStack::Peek() const { return FList.empty() ? nullptr : FList.back().Get(); }

int ListIndexOf(const TControlList& list, const platform::TControl* object) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].Get() == object) return static_cast<int>(i);
  return -1;
}

platform::TControl* ListPopLast(TControlList& list) {
  if (list.empty()) return nullptr;
  platform::TControl* last = list.back();
  list.pop_back();
  return last;
}

}  // namespace designer
