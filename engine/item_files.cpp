#include "engine/item_files.h"

#include <algorithm>

#include "engine/engine_state.h"
#include "engine/report_model.h"
#include "engine/template_items.h"
#include "engine/value_variant.h"
#include "platform/system/file_paths.h"
#include "platform/text/ansi_text.h"

namespace engine {
namespace {

// Templates made on Windows and paths given on Linux meet here, so either
// slash separates.
constexpr std::string_view kDelimiters = "\\/:";

bool IsSlash(char c) { return c == '\\' || c == '/'; }

std::string Backslashed(std::string_view text) {
  std::string result(text);
  std::replace(result.begin(), result.end(), '/', '\\');
  return result;
}

// Squeezes every run of backslashes to a single one.
void CollapseDoubledBackslashes(std::string& text) {
  for (size_t at = text.find("\\\\"); at != std::string::npos; at = text.find("\\\\", at)) {
    text.erase(at, 1);
  }
}

bool IsAbsoluteLocation(std::string_view location) {
  return location.find(':') != std::string_view::npos ||
         (!location.empty() && location.front() == '/');
}

// One ".." of a location: the folder loses its last part, but a root
// backslash (first, or after another backslash) stays.
void StepUp(std::string& folder) {
  const size_t last = folder.find_last_of('\\');
  if (last == std::string::npos) {
    folder.clear();
  } else if (last == 0 || folder[last - 1] == '\\') {
    folder.resize(last + 1);
  } else {
    folder.resize(last);
  }
}

std::string ComposeRelative(const std::string& templateFolder, std::string location,
                            const std::string& fileName) {
  std::string folder = Backslashed(templateFolder);
  std::string drive;
  if (folder.find(':') != std::string::npos) {
    if (folder.size() >= 2 && folder[1] == ':') drive = folder.substr(0, 2);
    folder.erase(0, std::min<size_t>(2, folder.size()));
  }
  // A network folder (\\server\share) would lose its leading pair to the
  // final squeeze and turn into a local path; it keeps it.
  const bool network =
      drive.empty() && folder.size() >= 2 && folder[0] == '\\' && folder[1] == '\\';

  if (location.empty()) location = "\\";
  for (size_t dots = location.find(".."); dots != std::string::npos; dots = location.find("..")) {
    StepUp(folder);
    location.erase(dots, 2);
    if (!location.empty() && location.front() == '\\') location.erase(0, 1);
  }
  if (location.empty() || location.back() != '\\') location += '\\';
  if (location.front() != '\\') location.insert(0, 1, '\\');
  if (const size_t doubled = location.find("\\\\"); doubled != std::string::npos) {
    location.erase(doubled, 1);
  }

  std::string candidate = drive + "\\" + folder + location + fileName;
  CollapseDoubledBackslashes(candidate);
  if (network) candidate.insert(0, 1, '\\');
  return candidate;
}

}  // namespace

std::string TemplateFolderOf(std::string_view path) {
  const size_t end = path.find_last_of(kDelimiters);
  if (end == std::string_view::npos) return {};
  if (end > 0 && IsSlash(path[end]) && path[end - 1] != ':' && !IsSlash(path[end - 1])) {
    return std::string(path.substr(0, end));
  }
  return std::string(path.substr(0, end + 1));
}

std::string LowerExtension(std::string_view path) {
  const size_t dot = path.find_last_of(".\\/:");
  if (dot == std::string_view::npos || path[dot] != '.') return {};
  return platform::LowerCase(path.substr(dot));
}

std::string FileNamePart(std::string_view path) {
  const size_t last = path.find_last_of(kDelimiters);
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string ComposeItemPath(const std::string& templateFolder, const std::string& location,
                            const std::string& name) {
  const std::string fileName = FileNamePart(name);
  if (IsAbsoluteLocation(location)) {
    std::string folder = Backslashed(location);
    if (folder.back() != '\\') folder += '\\';
    return folder + fileName;
  }
  return ComposeRelative(templateFolder, Backslashed(location), fileName);
}

std::string ResolveItemFile(const TInstancePair& entry) {
  if (ErrorFlag() || entry.item == nullptr) return {};
  const rcGraphicRegion* record = std::get_if<rcGraphicRegion>(&entry.item->Data);
  if (record == nullptr) record = std::get_if<rcRichText>(&entry.item->Data);
  if (record == nullptr) return {};

  std::string name = record->FileName;
  if (name == "DYNAMIC") name = entry.value ? VariantToText(entry.value->value) : std::string();
  if (name.empty()) return {};

  std::string candidate = ComposeItemPath(TemplateFolder(), record->FileLocation, name);
  if (platform::FileExists(candidate)) return candidate;
  ShowMessage("Tessel: File does not exist \"" + candidate + "\" ");
  SetErrorFlag();
  return {};
}

}  // namespace engine
