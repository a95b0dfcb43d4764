#include "platform/system/whole_file.h"

#include <cstdio>
#include <memory>
#include <utility>

#include "platform/system/file_paths.h"

namespace platform {
namespace {

struct CloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, CloseFile>;

}  // namespace

bool WriteWholeFile(const std::string& windowsPath, std::string_view bytes) {
  if (windowsPath.empty()) return false;
  std::FILE* opened = std::fopen(NativePath(windowsPath).c_str(), "wb");
  if (opened == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), opened) == bytes.size();
  // A full disk often shows only when the buffer goes out at the close.
  const bool closed = std::fclose(opened) == 0;
  return written && closed;
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
