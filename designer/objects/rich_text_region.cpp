#include "designer/objects/rich_text_region.h"

#include "designer/dialogs/paragraph_form.h"
#include "platform/controls/exceptions.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/system/file_paths.h"

namespace designer {
namespace {

// The dialog edits at scale 1, whatever the zoom of the design surface.
void SetFontAtDesignScale(platform::TControl& control, platform::TFont font) {
  font.Size = platform::ScaleValue(font.Size, control.ScaleSteps());
  control.SetFont(font);
}

}  // namespace

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
  } else if (ShowTextOf(platform::SystemPathOf(path))) {
    FRtfFile = path;
  }
  FRichEdit->Repaint();
}

bool TRichTextRegion::ShowTextOf(const std::string& systemPath) {
  if (!platform::SystemFileExists(systemPath)) return false;
  if (!FRichEdit->LoadFromFile(systemPath)) {
    FRichEdit->Repaint();
    throw platform::EFileError("Cannot open file \"" + systemPath + "\"");
  }
  FRichEdit->Repaint();
  return true;
}

bool TRichTextRegion::EditDirectText(TParagraphForm& form) {
  if (!FRtfFile.empty() &&
      platform::MessageDlg("Replace RTF contents with Direct Text?", platform::TMsgDlgType::mtWarning,
                           platform::mbOKCancel) != platform::mrOk)
    return false;
  form.Memo->SetLines(FRichEdit->Lines());
  form.Memo->SetFont(FRichEdit->DesignFont());
  form.CurrentStyleName = FStyleName;
  // The style items of the dialog name their style for this region; what
  // they chose counts only when the author confirms.
  const std::string styleBefore = FStyleName;
  if (form.ShowModal() != platform::mrOk) {
    FStyleName = styleBefore;
    return false;
  }
  FRichEdit->SetLines(form.Memo->Lines());
  SetFontAtDesignScale(*FRichEdit, form.Memo->DesignFont());
  FStyleName = form.CurrentStyleName;
  FRtfFile.clear();
  FRichEdit->Repaint();
  return true;
}

}  // namespace designer
