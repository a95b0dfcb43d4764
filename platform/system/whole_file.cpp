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

bool WriteWholeFile(const std::string& windowsPath, std::string_view bytes) {
  return !windowsPath.empty() && ReplaceFileContents(NativePath(windowsPath), bytes);
}

bool ReadWholeFile(const std::string& windowsPath, std::string& bytes) {
  if (windowsPath.empty()) return false;
  FileHandle file(std::fopen(NativePath(windowsPath).c_str(), "rb"));
  if (!file) return false;
  std::string content;
  char buffer[8192];
  while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, file.get())) content.append(buffer, count);
  if (std::ferror(file.get()) != 0) return false;
  bytes = std::move(content);
  return true;
}

}  // namespace platform
