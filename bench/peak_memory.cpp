#include "bench/peak_memory.h"

#include <sys/resource.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace bench {

int64_t PeakResidentKilobytes() {
  rusage usage{};
  if (::getrusage(RUSAGE_SELF, &usage) != 0) return -1;
  // Linux counts ru_maxrss in kilobytes.
  return usage.ru_maxrss;
}

int64_t ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("VmRSS:")) return std::strtoll(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

}  // namespace bench
