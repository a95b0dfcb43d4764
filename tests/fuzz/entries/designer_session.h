#pragma once
// The designer as the designer fuzz entries meet it: one whole program (its
// seventeen forms and the main window shown on Qt's offscreen platform),
// made at the first input and kept for the life of the process, since
// making it costs far more than any input. Its global style file lives in a
// scratch folder of the process, never in the user's.
//
// While a QuietDesigner exists nothing waits for a person: file dialogs
// choose the file the entry names, message boxes are answered (Yes where
// Yes is offered, so that Save As overwrites its own scratch file) and
// recorded, error boxes are recorded, the save question is answered No,
// the report style dialog OK, and the style preview, when asked to, imports
// every style it shows. Any other dialog or modal form is cancelled.
#include <string>
#include <string_view>
#include <vector>

#include "designer/main_window/designer_program.h"
#include "designer/main_window/form1.h"
#include "platform/controls/form.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/system/message_box.h"
#include "tests/fuzz/entries/scratch_folder.h"

namespace tessel_fuzz {

class DesignerSession {
 public:
  // The process's designer, made at the first call.
  static DesignerSession& Get();

  designer::DesignerProgram& Program() { return program_; }
  designer::TForm1& Form() { return *program_.Form1; }
  // A file of the process's scratch folder: native path, and the Windows
  // text the designer holds paths in.
  std::string NativePathOf(const std::string& name) const { return scratch_.PathOf(name); }
  std::string WindowsPathOf(const std::string& name) const;
  void WriteFile(const std::string& name, std::string_view bytes) const { scratch_.Write(name, bytes); }
  // The file's bytes; empty when it cannot be read.
  std::string Bytes(const std::string& name) const;

 private:
  DesignerSession();
  // Outlives the session's uses and goes at the end of the process, with
  // what the inputs left in it.
  const ScratchFolder& scratch_;
  designer::DesignerProgram program_;
};

class QuietDesigner {
 public:
  QuietDesigner();
  ~QuietDesigner();
  QuietDesigner(const QuietDesigner&) = delete;
  QuietDesigner& operator=(const QuietDesigner&) = delete;

  designer::TForm1& Form() { return session_.Form(); }
  DesignerSession& Session() { return session_; }

  // The file the next open or save dialog chooses (Windows text).
  void ChooseFile(const std::string& windowsPath) { chosenFile_ = windowsPath; }
  // Whether the style preview imports every style it shows.
  void ImportEveryStyle(bool import) { importEveryStyle_ = import; }

  // Message box and error box texts since the last Forget.
  const std::vector<std::string>& Messages() const { return messages_; }
  const std::vector<std::string>& Errors() const { return errors_.Texts(); }
  void Forget();

  // File > Open, Save As and Close through their menu items, as a person
  // clicks them (an exception raised in a handler ends in the error box).
  void Open(const std::string& windowsPath);
  void SaveAs(const std::string& windowsPath);
  void Close();

 private:
  platform::DialogReply Answer(const platform::DialogRequest& request);
  void Play(platform::TForm& form);

  DesignerSession& session_;
  std::string chosenFile_;
  bool importEveryStyle_ = false;
  std::vector<std::string> messages_;
  platform::ScopedMessageRecorder errors_;
  platform::ScopedDialogHandler dialogs_;
  platform::ScopedModalHandler modals_;
};

}  // namespace tessel_fuzz
