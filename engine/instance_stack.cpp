#include "engine/instance_stack.h"

namespace engine {

TInstancePair* TStack::Pop() {
  if (entries_.empty()) return nullptr;
  TInstancePair* top = entries_.back();
  entries_.pop_back();
  return top;
}

TInstancePair* TStack::Peek() const { return entries_.empty() ? nullptr : entries_.back(); }

}  // namespace engine
