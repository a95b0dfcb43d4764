#pragma once
// The report engine library loaded into this process with dlopen, with every
// described function resolved by its plain name. It stays loaded for the
// object's lifetime.
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "host/function_caller.h"
#include "host/host_descriptions.h"

namespace host {

class EngineLibrary : public FunctionCaller {
 public:
  // Throws HostError when the library does not load or a described function
  // does not resolve.
  EngineLibrary(const std::filesystem::path& path, const HostDescriptions& descriptions);

  int32_t Call(const FunctionDescription& function,
               const std::vector<CallArgument>& arguments) override;

 private:
  struct Unload {
    void operator()(void* handle) const;
  };
  std::unique_ptr<void, Unload> handle_;
  std::map<std::string, void*> entries_;  // plain name -> address
};

}  // namespace host
