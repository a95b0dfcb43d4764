#include "tests/hostile_input/process_memory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace tessel_test {

int64_t PeakResidentMiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (!line.starts_with("VmHWM:")) continue;
    std::istringstream fields(line.substr(6));
    int64_t kib = 0;
    fields >> kib;
    return kib / 1024;
  }
  return 0;
}

}  // namespace tessel_test
