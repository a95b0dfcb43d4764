#pragma once
#include <ctime>

namespace bench {

// CPU milliseconds this process spent since construction. Beside the wall
// clock it tells whether a run waited (for the disk, for a free CPU) or
// worked all the time.
class CpuStopwatch {
 public:
  CpuStopwatch() : start_(Now()) {}
  void Restart() { start_ = Now(); }
  double Milliseconds() const { return Now() - start_; }

 private:
  static double Now() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
  }
  double start_;
};

}  // namespace bench
