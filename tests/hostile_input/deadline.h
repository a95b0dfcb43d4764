#pragma once
// A bound on the time a hostile input may take: when it runs out, the test
// process stops with the test's name rather than hanging the suite.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace tessel_test {

class Deadline {
 public:
  Deadline(std::chrono::seconds limit, std::string what);
  ~Deadline();
  Deadline(const Deadline&) = delete;
  Deadline& operator=(const Deadline&) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable finished_;
  bool done_ = false;
  std::thread watcher_;
};

}  // namespace tessel_test
