#include "engine/direct_print.h"

#include "platform/system/file_paths.h"

namespace engine {

int32_t PrintFile(const std::string& fileName) {
  if (!platform::FileExists(fileName)) return -1;
  return 0;
}

void PrintGraphicFile(const std::string&, int32_t, int32_t, int32_t) {}
void PrintScreenCapture(int32_t, int32_t, int32_t) {}
void PrintWindowCapture(int32_t, int32_t, int32_t, int32_t) {}

}  // namespace engine
