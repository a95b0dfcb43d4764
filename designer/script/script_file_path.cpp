#include "designer/script/script_file_path.h"

namespace designer {
namespace {

constexpr const char* kScriptFileName = "\\mycode.txt";

bool IsFolderDelimiter(char c) { return c == '\\' || c == ':'; }

// The folder part of a path: up to its last "\" or ":", less a final "\"
// unless that follows ":" or another "\" (so "C:\" and "\" stay as they are).
std::string FolderOf(const std::string& path) {
  const std::size_t delimiter = path.find_last_of("\\:");
  if (delimiter == std::string::npos) return {};
  std::size_t length = delimiter + 1;
  if (delimiter > 0 && path[delimiter] == '\\' && !IsFolderDelimiter(path[delimiter - 1])) --length;
  return path.substr(0, length);
}

}  // namespace

std::string TemplateFileName(const std::string& templatePath) {
  const std::size_t delimiter = templatePath.find_last_of("\\:");
  return delimiter == std::string::npos ? templatePath : templatePath.substr(delimiter + 1);
}

std::string ScriptFilePathFor(const std::string& templatePath) {
  std::string path = FolderOf(templatePath) + kScriptFileName;
  const std::size_t doubled = path.find("\\\\");
  if (doubled != std::string::npos) path.erase(doubled, 1);
  return path;
}

}  // namespace designer
