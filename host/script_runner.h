#pragma once
// Runs a parsed host script against a library's functions and reports every
// call with its result, one line each: zBxCreateReport("/x/sample.qnf") = 0.
// Variables, function names and keywords are matched without regard to case,
// as in the host's own scripts.
#include <cstdint>
#include <ostream>
#include <string>

#include "host/function_caller.h"
#include "host/host_descriptions.h"
#include "host/script.h"

namespace host {

// Bounds that keep a hostile script from hanging the host or exhausting it.
inline constexpr int64_t kMaxLoopIterations = 1'000'000;
inline constexpr int64_t kMaxStatementsRun = 100'000'000;
inline constexpr std::size_t kMaxTextLength = 1 << 20;

class ScriptRunner {
 public:
  // fileLocation is the script's folder with a trailing separator, as
  // Windows-1252 text.
  ScriptRunner(const HostDescriptions& descriptions, FunctionCaller& caller, std::ostream& report,
               std::string fileLocation);

  // Checks every call first, then runs the statements in order. Throws
  // ScriptError naming the line where the script stops.
  void Run(const Script& script);

 private:
  const HostDescriptions& descriptions_;
  FunctionCaller& caller_;
  std::ostream& report_;
  std::string fileLocation_;
};

}  // namespace host
