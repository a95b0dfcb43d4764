#include "platform/dialogs/dialog_service.h"

#include "platform/dialogs/dialog_handler_access.h"

#include <QInputDialog>
#include <QMessageBox>

#include <cstdio>

#include "platform/controls/application.h"
#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace platform {
namespace {

DialogHandler& CurrentHandler() {
  static DialogHandler handler;
  return handler;
}

QString ToQString(const std::string& ansi) { return QString::fromStdString(Win1252ToUtf8(ansi)); }

std::string CaptionOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning: return "Warning";
    case TMsgDlgType::mtError: return "Error";
    case TMsgDlgType::mtInformation: return "Information";
    case TMsgDlgType::mtConfirmation: return "Confirm";
    default: return Application().Title;
  }
}

void WriteToStandardError(const std::string& caption, const std::string& text, bool unicodeText) {
  const std::string shownText = unicodeText ? text : Win1252ToUtf8(text);
  std::string line = caption.empty() ? shownText : Win1252ToUtf8(caption) + ": " + shownText;
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
}

// What a box answers when nobody is there to press a button: the choice
// that changes least.
TModalResult HeadlessAnswer(TMsgDlgButtons buttons) {
  if (buttons & mbCancel) return mrCancel;
  if (buttons & mbNo) return mrNo;
  if (buttons & mbOK) return mrOk;
  return mrCancel;
}

TModalResult ShowBox(const DialogRequest& request) {
  if (const DialogHandler handler = CurrentHandler()) return handler(request).result;
  if (!HasDisplay() || !EnsureApplication()) {
    WriteToStandardError(request.caption, request.text, request.unicodeText);
    return HeadlessAnswer(request.buttons);
  }
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (request.type) {
    case TMsgDlgType::mtWarning: icon = QMessageBox::Warning; break;
    case TMsgDlgType::mtError: icon = QMessageBox::Critical; break;
    case TMsgDlgType::mtInformation: icon = QMessageBox::Information; break;
    case TMsgDlgType::mtConfirmation: icon = QMessageBox::Question; break;
    default: break;
  }
  QMessageBox box(icon, ToQString(request.caption),
                  request.unicodeText ? QString::fromStdString(request.text) : ToQString(request.text));
  struct Choice {
    TMsgDlgButtons button;
    QMessageBox::StandardButton standard;
    TModalResult result;
  };
  const Choice choices[] = {{mbYes, QMessageBox::Yes, mrYes},
                            {mbNo, QMessageBox::No, mrNo},
                            {mbOK, QMessageBox::Ok, mrOk},
                            {mbCancel, QMessageBox::Cancel, mrCancel}};
  for (const Choice& choice : choices)
    if (request.buttons & choice.button) box.addButton(choice.standard);
  const int pressed = box.exec();
  for (const Choice& choice : choices)
    if (pressed == choice.standard) return choice.result;
  return HeadlessAnswer(request.buttons);
}

}  // namespace

std::optional<DialogReply> AskDialogHandler(const DialogRequest& request) {
  if (const DialogHandler handler = CurrentHandler()) return handler(request);
  return std::nullopt;
}

void SetDialogHandler(DialogHandler handler) { CurrentHandler() = std::move(handler); }

ScopedDialogHandler::ScopedDialogHandler(DialogHandler handler) : previous_(CurrentHandler()) {
  CurrentHandler() = std::move(handler);
}

ScopedDialogHandler::~ScopedDialogHandler() { CurrentHandler() = std::move(previous_); }

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  DialogRequest request;
  request.kind = DialogRequest::Kind::Message;
  request.caption = CaptionOf(type);
  request.text = text;
  request.type = type;
  request.buttons = buttons;
  return ShowBox(request);
}

void ShowMessage(const std::string& text) {
  DialogRequest request;
  request.kind = DialogRequest::Kind::Message;
  request.caption = Application().Title;
  request.text = text;
  request.type = TMsgDlgType::mtCustom;
  request.buttons = mbOK;
  ShowBox(request);
}

void ShowUnicodeMessage(const std::string& text) {
  DialogRequest request;
  request.kind = DialogRequest::Kind::Message;
  request.caption = Application().Title;
  request.text = text;
  request.unicodeText = true;
  request.type = TMsgDlgType::mtCustom;
  request.buttons = mbOK;
  ShowBox(request);
}

std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue) {
  DialogRequest request;
  request.kind = DialogRequest::Kind::Input;
  request.caption = caption;
  request.text = prompt;
  request.value = defaultValue;
  request.buttons = mbOKCancel;
  if (const DialogHandler handler = CurrentHandler()) {
    const DialogReply reply = handler(request);
    return reply.result == mrOk ? reply.value : defaultValue;
  }
  if (!HasDisplay() || !EnsureApplication()) return defaultValue;
  bool accepted = false;
  const QString answer =
      QInputDialog::getText(nullptr, ToQString(caption), ToQString(prompt), QLineEdit::Normal,
                            ToQString(defaultValue), &accepted);
  return accepted ? Utf8ToWin1252(answer.toStdString()) : defaultValue;
}

}  // namespace platform
