// Save, Save As, Exit and the save question. A template is written whole
// into memory and replaces the file in one step, so a save that fails
// leaves the old template as it was.
#include "designer/main_window/form1.h"
#include "designer/main_window/not_saved_form.h"
#include "designer/objects/regions.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/ini/ini_file.h"
#include "platform/system/file_paths.h"
#include "platform/system/message_box.h"

namespace designer {
namespace {

// Writes the design under FFileName at zoom level 0 and gives the zoom
// back; true when the file now holds it.
bool WriteTemplate(TForm1& form) {
  const int zoom = form.Program().ZoomLevel;
  form.SetZoom(0);
  form.FSectionCounter = 0;
  form.FIniFile = std::make_unique<platform::TIniFile>(platform::NativeOfSystemPath(form.FFileName),
                                                       platform::TIniFile::NewInMemory{});
  form.WriteReportStyle();
  form.WriteControls(form.REPORT);
  const bool written = form.FIniFile->UpdateFile();
  form.FIniFile.reset();
  form.SetZoom(zoom);
  if (!written) {
    platform::ShowUnicodeErrorMessage("Unable to write to " + form.FFileName);
    return false;
  }
  form.FModified = false;
  return true;
}

// Only the file name itself counts: a dot in a folder name is no
// extension.
bool HasExtension(const std::string& path) {
  const std::size_t nameStart = path.find_last_of("\\/:");
  return path.find('.', nameStart == std::string::npos ? 0 : nameStart + 1) != std::string::npos;
}

bool SaveAs(TForm1& form) {
  const std::string oldName = form.FFileName;
  form.SaveDialog1->FileName = form.FFileName;
  if (!form.SaveDialog1->Execute()) {
    form.SetUnicodeCaption(form.FFileName);
    return false;
  }
  form.FFileName = form.SaveDialog1->FileName;
  if (!HasExtension(form.FFileName)) form.FFileName += ".qnf";
  // Declining to overwrite and a write that failed both leave the design
  // named as before, so that Save writes the file the caption names.
  const auto keepOldName = [&] {
    form.FProceed = false;
    form.FFileName = oldName;
    return false;
  };
  if (platform::SystemFileExists(form.FFileName) &&
      platform::MessageDlg("File exists.  Do you want to overwrite it?", platform::TMsgDlgType::mtWarning,
                           platform::mbYesNo) != platform::mrYes)
    return keepOldName();
  if (!WriteTemplate(form)) return keepOldName();
  form.FProceed = true;
  form.SetUnicodeCaption(form.FFileName);
  return true;
}

bool Save(TForm1& form) { return form.FFileName.empty() ? SaveAs(form) : WriteTemplate(form); }

}  // namespace

void TForm1::Save1Click(TObject*) { Save(*this); }

void TForm1::SaveAs1Click(TObject*) { SaveAs(*this); }

void TForm1::Exit1Click(TObject*) { Close(); }

bool TForm1::AskSaveChanges() {
  TNotSavedForm& question = *program_.NotSavedForm;
  question.Label1->SetUnicodeCaption("Save changes to " + FFileName);
  switch (question.ShowModal()) {
    case platform::mrYes: return Save(*this);
    case platform::mrNo: return true;
    default: return false;
  }
}

}  // namespace designer
