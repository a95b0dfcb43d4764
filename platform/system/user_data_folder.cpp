#include "platform/system/user_data_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/system/file_paths.h"

namespace platform {
namespace {

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::string HomeFolder() {
  std::string home = EnvironmentValue("HOME");
  if (!home.empty()) return home;
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
  // No home at all: the current folder, which the user at least chose.
  std::error_code ignored;
  return std::filesystem::current_path(ignored).string();
}

// The base directory rules say a relative XDG_DATA_HOME is to be ignored.
std::filesystem::path DataHome() {
  const std::string configured = EnvironmentValue("XDG_DATA_HOME");
  if (!configured.empty() && configured.front() == '/') return configured;
  return std::filesystem::path(HomeFolder()) / ".local" / "share";
}

}  // namespace

std::string UserDataFilePath(std::string_view fileName) {
  const std::filesystem::path folder = DataHome() / "tessel";
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  std::string path = AbsoluteSystemPath(folder.string());
  path.push_back('\\');
  path.append(fileName);
  return path;
}

}  // namespace platform
