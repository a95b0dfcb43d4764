#include "designer/objects/rich_text_region.h"

#include "platform/controls/exceptions.h"
#include "platform/system/file_paths.h"

namespace designer {

TRichTextRegion::TRichTextRegion(platform::TComponent* owner) : TRegion(owner) {
  FRichEdit = new platform::TRichEdit(owner);
  FRichEdit->SetParent(this);
  FRichEdit->SetAlign(platform::TAlign::alClient);
  FRichEdit->SetEnabled(false);
}

void TRichTextRegion::LoadRtfFile(const std::string& path) {
  if (path.empty()) {
    FRtfFile.clear();
    FRichEdit->Clear();
  } else if (platform::FileExists(path)) {
    if (!FRichEdit->LoadFromFile(path)) {
      FRichEdit->Repaint();
      throw platform::EInOutError("Cannot open file \"" + path + "\"");
    }
    FRtfFile = path;
  }
  FRichEdit->Repaint();
}

}  // namespace designer
