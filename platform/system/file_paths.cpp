#include "platform/system/file_paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/text/win1252.h"

namespace platform {
namespace {

bool IsAbsoluteWindowsText(std::string_view path) {
  if (path.empty()) return false;
  return path.front() == '\\' || path.front() == '/' || path.find(':') != std::string_view::npos;
}

std::string WithBackslashes(std::string text) {
  std::replace(text.begin(), text.end(), '/', '\\');
  return text;
}

}  // namespace

std::string NativePath(std::string_view windowsText) {
  std::string native = Win1252ToUtf8(windowsText);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

std::string AbsoluteWindowsPath(std::string_view hostPath) {
  if (hostPath.empty() || IsAbsoluteWindowsText(hostPath)) return WithBackslashes(std::string(hostPath));
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  if (error) return WithBackslashes(std::string(hostPath));
  std::string folder = WithBackslashes(Utf8ToWin1252(current.string()));
  if (folder.empty() || folder.back() != '\\') folder.push_back('\\');
  return folder + WithBackslashes(std::string(hostPath));
}

bool FileExists(std::string_view windowsText) {
  if (windowsText.empty()) return false;
  std::error_code error;
  return std::filesystem::is_regular_file(NativePath(windowsText), error);
}

}  // namespace platform
