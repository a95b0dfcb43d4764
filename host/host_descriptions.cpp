#include "host/host_descriptions.h"

#include <utility>

#include "platform/text/ansi_text.h"

namespace host {

HostDescriptions::HostDescriptions(std::vector<FunctionDescription> functions)
    : functions_(std::move(functions)) {}

const FunctionDescription* HostDescriptions::Find(std::string_view name) const {
  for (const FunctionDescription& function : functions_) {
    if (platform::SameText(function.name, name)) return &function;
  }
  return nullptr;
}

}  // namespace host
