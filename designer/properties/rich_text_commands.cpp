// The rich-text popup: text from a file or typed, the file's folder,
// dynamic loading and the region's information.
#include "designer/dialogs/image_info.h"
#include "designer/dialogs/paragraph_form.h"
#include "designer/dialogs/rtf_dir.h"
#include "designer/main_window/form1.h"
#include "designer/objects/rich_text_region.h"
#include "designer/properties/current_object.h"
#include "designer/template_io/files_to_show.h"
#include "designer/template_io/stored_path.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/system/file_paths.h"

namespace designer {

void TForm1::FromFile1Click(TObject*) {
  const platform::TRef<TRichTextRegion> richText = CurrentObjectAs<TRichTextRegion>(program_);
  if (!richText) return;
  OpenDialog1->FileName.clear();
  OpenDialog1->Filter = "Rich Text|*.rtf|Text|*.txt";
  if (!OpenDialog1->Execute() || !richText || !platform::SystemFileExists(OpenDialog1->FileName)) return;
  if (const std::optional<std::string> stored = PathToStore(OpenDialog1->FileName)) richText->LoadRtfFile(*stored);
}

void TForm1::Direct1Click(TObject*) {
  if (TRichTextRegion* richText = CurrentObjectAs<TRichTextRegion>(program_))
    richText->EditDirectText(*program_.ParagraphForm);
}

void TForm1::FileLocation2Click(TObject*) {
  const platform::TRef<TRichTextRegion> richText = CurrentObjectAs<TRichTextRegion>(program_);
  if (!richText) return;
  TRTFDir& dialog = *program_.RTFDir;
  dialog.Edit1->SetText(richText->FFileLocation);
  if (dialog.ShowModal() != platform::mrOk || !richText) return;
  const std::optional<std::string> location = PathToStore(dialog.Edit1->UnicodeText());
  if (!location) return;
  richText->FFileLocation = *location;
  // A stored file missing here is shown from where the engine now looks.
  if (!platform::FileExists(richText->FRtfFile)) ShowFileToPrint(*this, *richText);
}

void TForm1::SetToDynamic2Click(TObject*) {
  const platform::TRef<TRichTextRegion> richText = CurrentObjectAs<TRichTextRegion>(program_);
  if (!richText) return;
  const platform::TModalResult answer =
      platform::MessageDlg("Do you want the RTF file to be\n\rdynamically loaded from Authorware/Director?",
                           platform::TMsgDlgType::mtConfirmation, platform::mbYesNoCancel);
  if ((answer != platform::mrYes && answer != platform::mrNo) || !richText) return;
  richText->LoadRtfFile("");
  if (answer == platform::mrYes) richText->FRtfFile = "DYNAMIC";
}

void TForm1::ShowImageInfo2Click(TObject*) {
  TRichTextRegion* richText = CurrentObjectAs<TRichTextRegion>(program_);
  if (!richText) return;
  TImageInfo& info = *program_.ImageInfo;
  info.SetCaption("Rich Text Information");
  info.ImageName->SetCaption(richText->Name());
  info.fileName->SetCaption(richText->FRtfFile);
  info.fileLocation->SetCaption(richText->FFileLocation);
  info.ShowModal();
}

}  // namespace designer
