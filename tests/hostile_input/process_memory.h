#pragma once
// The memory this process holds, from /proc/self/status.
#include <cstdint>

namespace tessel_test {

// The highest resident set size so far (VmHWM), in MiB; 0 when unknown.
int64_t PeakResidentMiB();

}  // namespace tessel_test
