#pragma once
// TStack: a last-in-first-out list of components that does not own them;
// an entry that is freed reads as null. ListIndexOf and ListPopLast work on
// the selection list.
#include <vector>

#include "platform/controls/component.h"
#include "platform/controls/control.h"

namespace designer {

class TStack : public platform::TComponent {
 public:
  explicit TStack(platform::TComponent* owner) : platform::TComponent(owner) {}
  void Push(platform::TComponent* component);
  // Null when empty.
  platform::TComponent* Pop();
  platform::TComponent* Peek() const;
  void Clear() { FList.clear(); }
  int Count() const { return static_cast<int>(FList.size()); }

 private:
  std::vector<platform::TRef<platform::TComponent>> FList;
};

using TControlList = std::vector<platform::TRef<platform::TControl>>;

// The first index holding the object; -1 when none does.
int ListIndexOf(const TControlList& list, const platform::TControl* object);
// Removes and returns the last entry; null when the list is empty.
platform::TControl* ListPopLast(TControlList& list);

}  // namespace designer
