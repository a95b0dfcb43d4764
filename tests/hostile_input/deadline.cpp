#include "tests/hostile_input/deadline.h"

#include <cstdio>
#include <cstdlib>

namespace tessel_test {

Deadline::Deadline(std::chrono::seconds limit, std::string what)
    : watcher_([this, limit, what = std::move(what)] {
        std::unique_lock lock(mutex_);
        if (finished_.wait_for(lock, limit, [this] { return done_; })) return;
        std::fprintf(stderr, "%s ran longer than %lld s\n", what.c_str(),
                     static_cast<long long>(limit.count()));
        std::fflush(stderr);
        std::abort();
      }) {}

Deadline::~Deadline() {
  {
    std::lock_guard lock(mutex_);
    done_ = true;
  }
  finished_.notify_one();
  watcher_.join();
}

}  // namespace tessel_test
