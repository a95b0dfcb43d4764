#pragma once
// The process's peak resident memory so far (getrusage ru_maxrss). Each
// report size runs in a child process of its own, so peaks do not mix.
#include <cstdint>

namespace bench {

int64_t PeakResidentKilobytes();

}  // namespace bench
