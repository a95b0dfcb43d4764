#pragma once
// Calls one described function. The script runner drives the engine only
// through this, so that scripts can be run against a stand-in in tests.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "host/function_description.h"

namespace host {

// A string argument (Windows-1252 text) for "S", an integer for "I" and "L";
// the caller has already matched them to the description's letters.
using CallArgument = std::variant<std::string, int32_t>;

class FunctionCaller {
 public:
  virtual ~FunctionCaller() = default;
  virtual int32_t Call(const FunctionDescription& function,
                       const std::vector<CallArgument>& arguments) = 0;
};

}  // namespace host
