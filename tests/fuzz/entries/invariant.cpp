#include "tests/fuzz/entries/invariant.h"

#include <cstdio>
#include <cstdlib>

namespace tessel_fuzz {

void CheckInvariant(bool holds, std::string_view what) {
  if (holds) return;
  std::fprintf(stderr, "tessel fuzz: invariant broken: %.*s\n", static_cast<int>(what.size()),
               what.data());
  std::fflush(stderr);
  std::abort();
}

}  // namespace tessel_fuzz
