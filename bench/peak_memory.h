#pragma once
// The process's resident memory: its peak so far (getrusage ru_maxrss; each
// report size runs in a child process of its own, so peaks do not mix), and
// what it holds now for the soak runs, which must stay flat.
#include <cstdint>

namespace bench {

int64_t PeakResidentKilobytes();

// VmRSS of /proc/self/status; -1 when /proc cannot tell.
int64_t ResidentKilobytes();

}  // namespace bench
