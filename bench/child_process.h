#pragma once
// Runs a program as a child process and waits for it: its standard output is
// captured, its standard error goes to a log file (the engine writes a line
// there for every PDF it prints, which would break up the result tables).
#include <filesystem>
#include <string>
#include <vector>

namespace bench {

struct ChildResult {
  // The exit status, or minus the signal that ended the child.
  int exitCode = -1;
  std::string output;
};

// arguments[0] is the program's path. Throws std::runtime_error when the
// child cannot be started.
ChildResult RunChild(const std::vector<std::string>& arguments,
                     const std::filesystem::path& errorLog);

// The running program's own path, for running it again as a child.
std::filesystem::path OwnExecutable();

}  // namespace bench
