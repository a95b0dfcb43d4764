#pragma once
// Programs the test starts: each in a process group of its own, dying with
// the test process, and ended (the whole group) when the object goes, so a
// failed test leaves nothing running.
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace end_to_end {

using Clock = std::chrono::steady_clock;

struct ProgramRun {
  int exitCode = -1;  // -1: killed at its deadline or by a signal
  std::string out;
  std::string err;
};

class ChildProcess {
 public:
  // environment: "NAME=value" entries put over the test's own; "NAME="
  // with nothing after the sign takes the variable away. Output goes to
  // the two files, or nowhere when they are empty.
  ChildProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
               const std::string& folder = "", const std::string& outFile = "", const std::string& errFile = "");
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t Pid() const { return pid_; }
  bool Running();
  // The exit code once the program has ended by itself before the
  // deadline; nothing otherwise.
  std::optional<int> WaitForExit(Clock::duration timeout);
  // SIGTERM to the group, SIGKILL after a short grace.
  void Stop();

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

// Runs a program to its end, or kills it at the deadline; standard output
// and error are captured.
ProgramRun RunProgram(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                      Clock::duration timeout);

// The program's path, found along PATH; empty when it is missing.
std::string FindProgram(const std::string& name);

}  // namespace end_to_end
