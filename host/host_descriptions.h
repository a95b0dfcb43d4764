#pragma once
// The functions a library offers its host, as its descriptions list them.
// Scripts name functions without regard to case, as the host does.
#include <string_view>
#include <vector>

#include "host/function_description.h"

namespace host {

class HostDescriptions {
 public:
  HostDescriptions() = default;
  explicit HostDescriptions(std::vector<FunctionDescription> functions);

  // Null when no listed function has that name.
  const FunctionDescription* Find(std::string_view name) const;
  const std::vector<FunctionDescription>& Functions() const { return functions_; }

 private:
  std::vector<FunctionDescription> functions_;
};

}  // namespace host
