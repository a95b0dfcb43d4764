#pragma once
// The designer under test: a whole program (its seventeen forms) made on
// Qt's offscreen platform, with every box, dialog and modal form answered
// by a script of the test and every message recorded. An answer the test
// did not script fails the test and cancels, so nothing ever waits.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "designer/main_window/designer_program.h"
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "platform/controls/form.h"
#include "platform/controls/menus.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/system/message_box.h"

namespace tessel_test {

// Replies to boxes and common dialogs in order, and keeps every request.
class DialogScript {
 public:
  DialogScript();
  // The next request gets this reply.
  void Reply(platform::DialogReply reply);
  void ReplyButton(platform::TModalResult result);
  void ReplyText(const std::string& text);  // a question box answered with OK
  void ReplyFile(const std::string& windowsPath);
  void ReplyCancel();
  const std::vector<platform::DialogRequest>& Requests() const { return requests_; }
  // The texts of the message boxes, in order.
  std::vector<std::string> Messages() const;
  bool AllUsed() const { return replies_.empty(); }
  void Clear() { requests_.clear(); }

 private:
  std::deque<platform::DialogReply> replies_;
  std::vector<platform::DialogRequest> requests_;
  platform::ScopedDialogHandler handler_;
};

// Plays the person in modal forms: the actions queued for a form run, in
// order, each time that form is shown modally.
class ModalScript {
 public:
  ModalScript();
  using Action = std::function<void(platform::TForm& form)>;
  void On(const std::string& formName, Action action);
  // Presses the form's button of that name.
  void Press(const std::string& formName, const std::string& buttonName);
  const std::vector<std::string>& Shown() const { return shown_; }
  bool AllUsed() const;

 private:
  std::deque<std::pair<std::string, Action>> actions_;
  std::vector<std::string> shown_;
  platform::ScopedModalHandler handler_;
};

class DesignerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  designer::DesignerProgram& program() { return *program_; }
  designer::TForm1& form() { return *program_->Form1; }
  // A scratch folder of the test (native path, no trailing slash).
  const std::string& folder() const { return folder_; }
  // A file of the scratch folder as the file dialogs give it and the
  // designer holds it: a system path ("\tmp\x\Отчёт.qnf").
  std::string WindowsPath(const std::string& name) const;
  // The first activation, its report style dialog answered with OK.
  void Activate();
  // The error box's texts, in order.
  const std::vector<std::string>& Errors() const { return errors_->Texts(); }
  // A component of the main window (or of any form) by name.
  platform::TComponent* Find(const std::string& name) const;
  platform::TMenuItem* MenuItem(const std::string& name) const;

  std::unique_ptr<DialogScript> dialogs;
  std::unique_ptr<ModalScript> modals;

 private:
  std::string folder_;
  std::string oldDataHome_;
  bool hadDataHome_ = false;
  std::unique_ptr<platform::ScopedMessageRecorder> errors_;
  std::unique_ptr<designer::DesignerProgram> program_;
};

// The file's bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& nativePath);
void WriteFileBytes(const std::string& nativePath, const std::string& bytes);

}  // namespace tessel_test
