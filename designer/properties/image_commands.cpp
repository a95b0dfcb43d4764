// The image popup: the picture file, its folder, dynamic loading, the
// picture's own size and the region's information.
#include "designer/dialogs/image_info.h"
#include "designer/dialogs/img_dir.h"
#include "designer/main_window/form1.h"
#include "designer/objects/image_region.h"
#include "designer/properties/current_object.h"
#include "designer/template_io/files_to_show.h"
#include "designer/template_io/stored_path.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/system/file_paths.h"

namespace designer {

void TForm1::Filename1Click(TObject*) {
  const platform::TRef<TImageRegion> image = CurrentObjectAs<TImageRegion>(program_);
  if (!image) return;
  OpenDialog1->Filter = "Bitmaps|*.bmp;*.emf|JPEG|*.jpg|DIBs|*.dib|All|*.bmp;*.jpg;*.dib";
  if (!OpenDialog1->Execute() || !image || !platform::SystemFileExists(OpenDialog1->FileName)) return;
  const std::optional<std::string> stored = PathToStore(OpenDialog1->FileName);
  // A file the decoders refuse raises their error, and the old picture
  // stays.
  if (stored) image->LoadImageFile(*stored);
}

void TForm1::FileLocation1Click(TObject*) {
  const platform::TRef<TImageRegion> image = CurrentObjectAs<TImageRegion>(program_);
  if (!image) return;
  TImgDir& dialog = *program_.ImgDir;
  dialog.Edit1->SetText(image->FFileLocation);
  if (dialog.ShowModal() != platform::mrOk || !image) return;
  const std::optional<std::string> location = PathToStore(dialog.Edit1->UnicodeText());
  if (!location) return;
  image->FFileLocation = *location;
  // A stored file missing here is shown from where the engine now looks.
  if (!platform::FileExists(image->FImageFile)) ShowFileToPrint(*this, *image);
}

void TForm1::SetToDynamic1Click(TObject*) {
  const platform::TRef<TImageRegion> image = CurrentObjectAs<TImageRegion>(program_);
  if (!image) return;
  const platform::TModalResult answer =
      platform::MessageDlg("Do you want the image file to be\n\rdynamically loaded from Authorware/Director?",
                           platform::TMsgDlgType::mtConfirmation, platform::mbYesNoCancel);
  if ((answer != platform::mrYes && answer != platform::mrNo) || !image) return;
  image->LoadImageFile("");
  if (answer == platform::mrYes) image->FImageFile = "DYNAMIC";
}

void TForm1::ActualSize1Click(TObject*) {
  const platform::TRef<TImageRegion> image = CurrentObjectAs<TImageRegion>(program_);
  if (!image) return;
  if (platform::MessageDlg("Resize Image to Actual Size?", platform::TMsgDlgType::mtConfirmation,
                           platform::mbYesNo) == platform::mrYes &&
      image)
    image->FitToPicture();
}

void TForm1::ShowImageInfo1Click(TObject*) {
  TImageRegion* image = CurrentObjectAs<TImageRegion>(program_);
  if (!image) return;
  TImageInfo& info = *program_.ImageInfo;
  info.SetCaption("Image Information");
  info.ImageName->SetCaption(image->Name());
  info.fileName->SetCaption(image->FImageFile);
  info.fileLocation->SetCaption(image->FFileLocation);
  info.ShowModal();
}

}  // namespace designer
