#include "platform/dialogs/common_dialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>

#include "platform/dialogs/dialog_handler_access.h"
#include "platform/dialogs/file_filter.h"
#include "platform/dialogs/font_box.h"
#include "platform/drawing/qt_drawing_tools.h"
#include "platform/system/file_paths.h"
#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace platform {
namespace {

QString ToQString(const std::string& ansi) { return QString::fromStdString(Win1252ToUtf8(ansi)); }

bool RunFileDialog(TOpenDialog& dialog, bool save) {
  DialogRequest request;
  request.kind = save ? DialogRequest::Kind::SaveFile : DialogRequest::Kind::OpenFile;
  request.caption = dialog.Title;
  request.value = dialog.FileName;
  request.filter = dialog.Filter;
  if (std::optional<DialogReply> reply = AskDialogHandler(request)) {
    if (reply->result != mrOk) return false;
    dialog.FileName = reply->value;
    return true;
  }
  if (!HasDisplay() || !EnsureApplication()) return false;
  QFileDialog box(nullptr, ToQString(dialog.Title));
  box.setOption(QFileDialog::DontUseNativeDialog);
  // The designer asks about overwriting itself.
  box.setOption(QFileDialog::DontConfirmOverwrite);
  box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!dialog.Filter.empty()) box.setNameFilter(QtNameFilters(dialog.Filter));
  if (!dialog.FileName.empty()) box.selectFile(QString::fromStdString(NativeOfSystemPath(dialog.FileName)));
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return false;
  dialog.FileName = AbsoluteSystemPath(box.selectedFiles().front().toStdString());
  return true;
}

}  // namespace

bool TOpenDialog::Execute() { return RunFileDialog(*this, false); }

bool TSaveDialog::Execute() { return RunFileDialog(*this, true); }

bool TFontDialog::Execute() {
  DialogRequest request;
  request.kind = DialogRequest::Kind::Font;
  request.font = Font;
  if (std::optional<DialogReply> reply = AskDialogHandler(request)) {
    if (reply->result != mrOk) return false;
    Font = reply->font;
    return true;
  }
  if (!HasDisplay() || !EnsureApplication()) return false;
  FontBox box(Font);
  if (box.exec() != QDialog::Accepted) return false;
  Font = box.ChosenFont();
  return true;
}

bool TColorDialog::Execute() {
  DialogRequest request;
  request.kind = DialogRequest::Kind::Color;
  request.color = Color;
  if (std::optional<DialogReply> reply = AskDialogHandler(request)) {
    if (reply->result != mrOk) return false;
    Color = reply->color;
    return true;
  }
  if (!HasDisplay() || !EnsureApplication()) return false;
  const QColor chosen = QColorDialog::getColor(ToQColor(Color));
  if (!chosen.isValid()) return false;
  Color = FromQColor(chosen);
  return true;
}

}  // namespace platform
