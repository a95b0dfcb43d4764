#pragma once
// The modal boxes and common dialogs of the class library: message boxes
// with buttons, the text question box, the open and save file dialogs, the
// font dialog and the colour dialog. With a display each is a real modal
// Qt dialog. A dialog handler (tests) answers every request instead of a
// person; with no handler and no display nothing waits: messages go to
// standard error and every question is answered as cancelled.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/controls/form.h"
#include "platform/drawing/canvas.h"

namespace platform {

enum class TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

using TMsgDlgButtons = uint32_t;
inline constexpr TMsgDlgButtons mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8;
inline constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo, mbYesNoCancel = mbYes | mbNo | mbCancel,
                                mbOKCancel = mbOK | mbCancel;

struct DialogRequest {
  enum class Kind : uint8_t { Message, Input, OpenFile, SaveFile, Font, Color };
  Kind kind = Kind::Message;
  std::string caption;
  // The message, or the question box's prompt.
  std::string text;
  // The message is UTF-8 instead of Windows text (ShowUnicodeMessage).
  bool unicodeText = false;
  TMsgDlgType type = TMsgDlgType::mtInformation;
  TMsgDlgButtons buttons = mbOK;
  // The question box's default answer; the file dialog's file name (a
  // system path).
  std::string value;
  std::string filter;
  TFont font;
  TColor color = 0;
};

struct DialogReply {
  // The button pressed; for the other dialogs mrOk accepts, anything else
  // cancels.
  TModalResult result = mrCancel;
  // The answer typed (Windows text), or the file chosen (a system path).
  std::string value;
  TFont font;
  TColor color = 0;
};

using DialogHandler = std::function<DialogReply(const DialogRequest&)>;
void SetDialogHandler(DialogHandler handler);
class ScopedDialogHandler {
 public:
  explicit ScopedDialogHandler(DialogHandler handler);
  ~ScopedDialogHandler();
  ScopedDialogHandler(const ScopedDialogHandler&) = delete;
  ScopedDialogHandler& operator=(const ScopedDialogHandler&) = delete;

 private:
  DialogHandler previous_;
};

// Texts are Windows-1252. The caption follows the type ("Warning",
// "Error", "Information", "Confirm"), as the class library's boxes do.
TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
// A box with one OK button, captioned with the application's title.
void ShowMessage(const std::string& text);
// The same for a UTF-8 text, which names a file in any language.
void ShowUnicodeMessage(const std::string& text);
// The question box: the answer, or the default when cancelled.
std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue);

}  // namespace platform
