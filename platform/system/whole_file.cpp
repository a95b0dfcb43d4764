#include "platform/system/whole_file.h"

#include <cstdio>
#include <memory>
#include <utility>

#include "platform/ini/file_replacement.h"
#include "platform/system/file_paths.h"

namespace platform {
namespace {

struct CloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, CloseFile>;

}  // namespace

bool WriteWholeFile(const std::string& systemPath, std::string_view bytes) {
  return !systemPath.empty() && ReplaceFileContents(NativeOfSystemPath(systemPath), bytes);
}

bool ReadWholeFile(const std::string& systemPath, std::string& bytes) {
  if (systemPath.empty()) return false;
  FileHandle file(std::fopen(NativeOfSystemPath(systemPath).c_str(), "rb"));
  if (!file) return false;
  std::string content;
  char buffer[8192];
  while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, file.get())) content.append(buffer, count);
  if (std::ferror(file.get()) != 0) return false;
  bytes = std::move(content);
  return true;
}

}  // namespace platform
