#pragma once
// Guards a step that must come back: when it has not within the limit, the
// test program ends with a failure instead of keeping the run waiting for
// ever. The limit is far above what the step needs, also under the
// sanitizers: it catches a step that never ends, it measures nothing.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace tessel_test {

class Watchdog {
 public:
  explicit Watchdog(std::string step, std::chrono::seconds limit = std::chrono::seconds(60));
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable returned_;
  bool done_ = false;
  std::thread thread_;
};

}  // namespace tessel_test
