#pragma once
// A fault in a host script, always tied to the line that holds it so that the
// author can find it; the script stops there.
#include <stdexcept>
#include <string>

namespace host {

class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& message)
      : std::runtime_error(message), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};

}  // namespace host
