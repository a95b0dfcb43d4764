#include "tests/designer_support/watchdog.h"

#include <cstdio>
#include <cstdlib>

namespace tessel_test {

Watchdog::Watchdog(std::string step, std::chrono::seconds limit)
    : thread_([this, step = std::move(step), limit] {
        std::unique_lock<std::mutex> lock(mutex_);
        if (returned_.wait_for(lock, limit, [this] { return done_; })) return;
        std::fprintf(stderr, "%s did not come back within %lld s\n", step.c_str(),
                     static_cast<long long>(limit.count()));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
      }) {}

Watchdog::~Watchdog() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    done_ = true;
  }
  returned_.notify_one();
  thread_.join();
}

}  // namespace tessel_test
