#include "bench/peak_memory.h"

#include <sys/resource.h>

namespace bench {

int64_t PeakResidentKilobytes() {
  rusage usage{};
  if (::getrusage(RUSAGE_SELF, &usage) != 0) return -1;
  // Linux counts ru_maxrss in kilobytes.
  return usage.ru_maxrss;
}

}  // namespace bench
