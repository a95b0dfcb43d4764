#include "designer/template_io/files_to_show.h"

#include "designer/main_window/form1.h"
#include "designer/objects/image_region.h"
#include "designer/objects/rich_text_region.h"
#include "platform/system/file_paths.h"
#include "platform/system/item_paths.h"

namespace designer {
namespace {

bool NamesAFile(const std::string& storedName) { return !storedName.empty() && storedName != "DYNAMIC"; }

}  // namespace

std::string FileToShow(const TForm1& form, const std::string& storedName, const std::string& location) {
  // A design never saved has no folder the engine would look in.
  if (platform::FileExists(storedName) || form.FFileName.empty()) return storedName;
  const std::string found = platform::FindItemFile(form.FFileName, location, storedName);
  return found.empty() ? storedName : found;
}

void ShowFileToPrint(const TForm1& form, TImageRegion& image) {
  const std::string stored = image.FImageFile;
  if (!NamesAFile(stored)) return;
  image.LoadImageFile(FileToShow(form, stored, image.FFileLocation));
  image.FImageFile = stored;
}

void ShowFileToPrint(const TForm1& form, TRichTextRegion& richText) {
  const std::string stored = richText.FRtfFile;
  if (!NamesAFile(stored)) return;
  richText.LoadRtfFile(FileToShow(form, stored, richText.FFileLocation));
  richText.FRtfFile = stored;
}

}  // namespace designer
