#include "host/engine_library.h"

#include <dlfcn.h>

#include "host/host_error.h"

namespace host {
namespace {

using CallV = int32_t (*)();
using CallS = int32_t (*)(const char*);
using CallSS = int32_t (*)(const char*, const char*);
using CallSSS = int32_t (*)(const char*, const char*, const char*);
using CallSIII = int32_t (*)(const char*, int32_t, int32_t, int32_t);
using CallIII = int32_t (*)(int32_t, int32_t, int32_t);
using CallIIII = int32_t (*)(int32_t, int32_t, int32_t, int32_t);

template <typename Function>
Function As(void* address) {
  return reinterpret_cast<Function>(address);
}

const char* Text(const CallArgument& argument) { return std::get<std::string>(argument).c_str(); }
int32_t Number(const CallArgument& argument) { return std::get<int32_t>(argument); }

std::string LastLoaderError() {
  const char* message = ::dlerror();
  return message != nullptr ? message : "unknown loader error";
}

}  // namespace

void EngineLibrary::Unload::operator()(void* handle) const { ::dlclose(handle); }

EngineLibrary::EngineLibrary(const std::filesystem::path& path,
                             const HostDescriptions& descriptions)
    : handle_(::dlopen(std::filesystem::absolute(path).c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (handle_ == nullptr) throw HostError("cannot load the library: " + LastLoaderError());
  for (const FunctionDescription& function : descriptions.Functions()) {
    void* address = ::dlsym(handle_.get(), function.name.c_str());
    if (address == nullptr) {
      throw HostError("the library describes " + function.name + " but does not export it");
    }
    entries_.emplace(function.name, address);
  }
}

int32_t EngineLibrary::Call(const FunctionDescription& function,
                            const std::vector<CallArgument>& a) {
  const auto entry = entries_.find(function.name);
  if (entry == entries_.end() || a.size() != function.ArgumentCount()) {
    throw HostError("cannot call " + function.name);
  }
  void* address = entry->second;
  const std::string& letters = function.arguments;
  if (letters == "V") return As<CallV>(address)();
  if (letters == "S") return As<CallS>(address)(Text(a[0]));
  if (letters == "SS") return As<CallSS>(address)(Text(a[0]), Text(a[1]));
  if (letters == "SSS") return As<CallSSS>(address)(Text(a[0]), Text(a[1]), Text(a[2]));
  if (letters == "SIII") {
    return As<CallSIII>(address)(Text(a[0]), Number(a[1]), Number(a[2]), Number(a[3]));
  }
  if (letters == "III") return As<CallIII>(address)(Number(a[0]), Number(a[1]), Number(a[2]));
  // The window handle ("L") is passed as a 32-bit integer like the others.
  if (letters == "LIII") {
    return As<CallIIII>(address)(Number(a[0]), Number(a[1]), Number(a[2]), Number(a[3]));
  }
  throw HostError("cannot call " + function.name + " with the argument letters " + letters);
}

}  // namespace host
