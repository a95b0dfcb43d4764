#pragma once
// TRichTextRegion: rich text from a file, "DYNAMIC" (the host names the
// file at run time), or direct text typed in the designer (an empty
// FRtfFile). FStyleName is the text style of the direct text.
#include <string>

#include "designer/objects/regions.h"
#include "platform/controls/rich_edit.h"

namespace designer {

class TRichTextRegion : public TRegion {
 public:
  explicit TRichTextRegion(platform::TComponent* owner);

  platform::TRichEdit* FRichEdit = nullptr;
  std::string FRtfFile;
  std::string FFileLocation;
  std::string FStyleName;

  // An empty path empties the region; an existing file is loaded (RTF, or
  // plain lines) and becomes FRtfFile; a missing one changes nothing. A
  // file that exists but cannot be read raises an error.
  void LoadRtfFile(const std::string& path);
  // The zoom leaves rich text at its size.
  void Rescale() {}
};

}  // namespace designer
