#include "platform/dialogs/common_dialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dialogs/dialog_handler_access.h"
#include "platform/dialogs/file_filter.h"
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
  if (!dialog.FileName.empty()) box.selectFile(QString::fromStdString(NativePath(dialog.FileName)));
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return false;
  dialog.FileName = AbsoluteWindowsPath(Utf8ToWin1252(box.selectedFiles().front().toStdString()));
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
  // Qt's font dialog has no colour; the class library's has, so a colour
  // button stands under it.
  QDialog box;
  box.setWindowTitle("Font");
  auto* layout = new QVBoxLayout(&box);
  auto* fonts = new QFontDialog(&box);
  fonts->setWindowFlags(Qt::Widget);
  fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  // Escape reaches the embedded font dialog first, which would hide only
  // itself and leave an empty box with the colour button: cancel the box.
  QObject::connect(fonts, &QDialog::rejected, &box, &QDialog::reject);
  QFont initial(ToQString(Font.Name));
  initial.setPointSize(std::max(1, Font.Size));
  initial.setBold(Font.Style & fsBold);
  initial.setItalic(Font.Style & fsItalic);
  initial.setUnderline(Font.Style & fsUnderline);
  initial.setStrikeOut(Font.Style & fsStrikeOut);
  fonts->setCurrentFont(initial);
  layout->addWidget(fonts);
  TColor color = Font.Color;
  auto* colorButton = new QPushButton("Color...", &box);
  QObject::connect(colorButton, &QPushButton::clicked, [&] {
    const QColor chosen = QColorDialog::getColor(ToQColor(color), &box);
    if (chosen.isValid())
      color = FromQColor(chosen);
  });
  layout->addWidget(colorButton);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
  layout->addWidget(buttons);
  if (box.exec() != QDialog::Accepted) return false;
  const QFont chosen = fonts->currentFont();
  Font.Name = Utf8ToWin1252(chosen.family().toStdString());
  Font.Size = chosen.pointSize();
  Font.Style = static_cast<uint8_t>((chosen.bold() ? fsBold : 0) | (chosen.italic() ? fsItalic : 0) |
                                    (chosen.underline() ? fsUnderline : 0) |
                                    (chosen.strikeOut() ? fsStrikeOut : 0));
  Font.Color = color;
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
