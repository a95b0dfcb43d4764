#pragma once
// TStack: the open regions, the top being the open one. Owns no entries.
#include <vector>

namespace engine {

struct TInstancePair;

class TStack {
 public:
  void Push(TInstancePair* entry) { entries_.push_back(entry); }
  // Removes and returns the last entry, or nullptr when empty.
  TInstancePair* Pop();
  // The last entry, or nullptr when empty.
  TInstancePair* Peek() const;
  int Count() const { return static_cast<int>(entries_.size()); }

 private:
  std::vector<TInstancePair*> entries_;
};

}  // namespace engine
