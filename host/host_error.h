#pragma once
// A library the host cannot use: a file that is no readable ELF library, host
// descriptions that are damaged or lack a function, a function that does not
// resolve. The host refuses such a library before it runs any script.
#include <stdexcept>
#include <string>

namespace host {

class HostError : public std::runtime_error {
 public:
  explicit HostError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace host
