#pragma once
// TRichTextRegion: rich text from a file, "DYNAMIC" (the host names the
// file at run time), or direct text typed in the designer (an empty
// FRtfFile). FStyleName is the text style of the direct text.
#include <string>

#include "designer/objects/regions.h"
#include "platform/controls/rich_edit.h"

namespace designer {

class TParagraphForm;

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
  // Shows the text of a file given as a system path without making it the
  // region's file (FRtfFile stays); the rules of LoadRtfFile otherwise.
  // True when the text is shown.
  bool ShowTextOf(const std::string& systemPath);
  // The author types the region's text in the paragraph dialog. A region
  // that shows a file asks first whether its text may be replaced. OK
  // stores the text, the dialog's font and style, and leaves the region
  // without a file, so that the typed text is what the template keeps;
  // Cancel stores nothing. True when the text was stored.
  bool EditDirectText(TParagraphForm& form);
  // The zoom leaves rich text at its size.
  void Rescale() {}
};

}  // namespace designer
