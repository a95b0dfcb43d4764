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

// A relative path is taken from the current folder, given in the path's
// own text form.
std::string Absolute(std::string_view path, std::string (*currentFolderText)(const std::string& native)) {
  if (path.empty() || IsAbsoluteWindowsText(path)) return WithBackslashes(std::string(path));
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  if (error) return WithBackslashes(std::string(path));
  std::string folder = WithBackslashes(currentFolderText(current.string()));
  if (folder.empty() || folder.back() != '\\') folder.push_back('\\');
  return folder + WithBackslashes(std::string(path));
}

std::string Unchanged(const std::string& native) { return native; }
std::string AsWin1252(const std::string& native) { return Utf8ToWin1252(native); }

bool IsRegularFile(const std::string& native) {
  std::error_code error;
  return std::filesystem::is_regular_file(native, error);
}

}  // namespace

std::string NativePath(std::string_view windowsText) {
  std::string native = Win1252ToUtf8(windowsText);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

std::string AbsoluteWindowsPath(std::string_view hostPath) { return Absolute(hostPath, AsWin1252); }

bool FileExists(std::string_view windowsText) { return !windowsText.empty() && IsRegularFile(NativePath(windowsText)); }

std::string NativeOfSystemPath(std::string_view systemPath) {
  std::string native(systemPath);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

std::string AbsoluteSystemPath(std::string_view path) { return Absolute(path, Unchanged); }

bool SystemFileExists(std::string_view systemPath) {
  return !systemPath.empty() && IsRegularFile(NativeOfSystemPath(systemPath));
}

std::string SystemPathOf(std::string_view windowsText) { return Win1252ToUtf8(windowsText); }

std::optional<std::string> WindowsTextOf(std::string_view systemPath) { return Utf8ToWin1252Exactly(systemPath); }

}  // namespace platform
