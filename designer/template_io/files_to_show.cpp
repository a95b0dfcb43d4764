#include "designer/template_io/files_to_show.h"

#include <algorithm>
#include <vector>

#include "designer/dialogs/folder_of_path.h"
#include "designer/main_window/form1.h"
#include "designer/objects/image_region.h"
#include "designer/objects/rich_text_region.h"
#include "platform/system/file_paths.h"

namespace designer {
namespace {

bool NamesAFile(const std::string& storedName) { return !storedName.empty() && storedName != "DYNAMIC"; }

std::string Backslashed(std::string text) {
  std::replace(text.begin(), text.end(), '/', '\\');
  return text;
}

// Where the engine will look for a stored file: its name (what follows the
// last separator) in FILELOCATION, which stands alone when it names a drive
// or is a native path from the root ("/srv/art"), and is otherwise a folder
// beside the template, each ".." one folder up, never above the root.
std::string FileInLocation(const std::string& templateFolder, const std::string& location,
                           const std::string& storedName) {
  const std::string name = storedName.substr(storedName.find_last_of("\\/:") + 1);
  const std::string folderText = Backslashed(location);
  if (location.find(':') != std::string::npos || location.starts_with('/')) {
    return folderText + (folderText.ends_with('\\') ? "" : "\\") + name;
  }
  size_t rootEnd = templateFolder.size() >= 2 && templateFolder[1] == ':' ? 2 : 0;
  while (rootEnd < templateFolder.size() && templateFolder[rootEnd] == '\\') ++rootEnd;
  std::vector<std::string> parts;
  const std::string steps = templateFolder.substr(rootEnd) + "\\" + folderText;
  for (size_t start = 0; start <= steps.size();) {
    const size_t end = std::min(steps.find('\\', start), steps.size());
    const std::string part = steps.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string path = templateFolder.substr(0, rootEnd);
  if (!path.ends_with('\\')) path += '\\';
  for (const std::string& part : parts) path += part + "\\";
  return path + name;
}

}  // namespace

std::string FileToShow(const TForm1& form, const std::string& storedName, const std::string& location) {
  // The template's folder may have letters the stored names cannot: the
  // search runs on system paths.
  const std::string stored = platform::SystemPathOf(storedName);
  // A design never saved has no folder the engine would look in.
  if (platform::SystemFileExists(stored) || form.FFileName.empty()) return stored;
  const std::string folder = FolderOfPath(platform::AbsoluteSystemPath(form.FFileName));
  const std::string found = FileInLocation(folder, platform::SystemPathOf(location), stored);
  return platform::SystemFileExists(found) ? found : stored;
}

void ShowFileToPrint(const TForm1& form, TImageRegion& image) {
  if (NamesAFile(image.FImageFile)) image.ShowPictureOf(FileToShow(form, image.FImageFile, image.FFileLocation));
}

void ShowFileToPrint(const TForm1& form, TRichTextRegion& richText) {
  if (NamesAFile(richText.FRtfFile)) richText.ShowTextOf(FileToShow(form, richText.FRtfFile, richText.FFileLocation));
}

}  // namespace designer
