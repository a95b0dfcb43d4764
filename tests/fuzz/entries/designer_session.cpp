#include "tests/fuzz/entries/designer_session.h"

#include <QCoreApplication>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>

#include "designer/main_window/not_saved_form.h"
#include "designer/styles/style_preview.h"
#include "designer/styles/style_select_form.h"
#include "platform/controls/buttons.h"
#include "platform/controls/menus.h"
#include "platform/system/file_paths.h"
#include "platform/system/qt_application.h"
#include "tests/fuzz/entries/invariant.h"

namespace tessel_fuzz {
namespace {

// The user's data folder names the global style file at start-up; the
// session's program must find its own there, not the user's.
class DataFolderFor {
 public:
  explicit DataFolderFor(const std::string& folder) {
    if (const char* old = std::getenv("XDG_DATA_HOME")) previous_ = old;
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
  }
  ~DataFolderFor() {
    if (previous_) {
      setenv("XDG_DATA_HOME", previous_->c_str(), 1);
    } else {
      unsetenv("XDG_DATA_HOME");
    }
  }
  DataFolderFor(const DataFolderFor&) = delete;
  DataFolderFor& operator=(const DataFolderFor&) = delete;

 private:
  std::optional<std::string> previous_;
};

void Press(platform::TForm& form, const char* buttonName) {
  if (auto* button = dynamic_cast<platform::TControl*>(form.FindComponent(buttonName))) button->Click();
}

// A static of its own, unlike the session: removing a folder needs nothing
// that may be gone at the end of the process.
const ScratchFolder& SessionFolder() {
  static const ScratchFolder folder;
  return folder;
}

}  // namespace

DesignerSession& DesignerSession::Get() {
  // Never freed: at the end of the process Qt's application object may go
  // before a static would, and the windows must not outlive it. The
  // pointer keeps the program reachable, so no leak is reported.
  static DesignerSession* const session = new DesignerSession();
  return *session;
}

DesignerSession::DesignerSession() : scratch_(SessionFolder()) {
  CheckInvariant(platform::EnsureApplication(), "the designer gets a Qt application");
  {
    const DataFolderFor data(scratch_.PathOf("data"));
    program_.CreateForms(false);
  }
  // The first activation asks for the page layout; OK takes the defaults.
  const platform::ScopedModalHandler firstLayout([](platform::TForm& form) { Press(form, "BitBtn1"); });
  Form().FormActivate(&Form());
  Form().Show();
  QCoreApplication::processEvents();
}

std::string DesignerSession::WindowsPathOf(const std::string& name) const {
  return platform::AbsoluteSystemPath(NativePathOf(name));
}

std::string DesignerSession::Bytes(const std::string& name) const {
  std::ifstream in(NativePathOf(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

QuietDesigner::QuietDesigner()
    : session_(DesignerSession::Get()),
      dialogs_([this](const platform::DialogRequest& request) { return Answer(request); }),
      modals_([this](platform::TForm& form) { Play(form); }) {}

QuietDesigner::~QuietDesigner() = default;

void QuietDesigner::Forget() {
  messages_.clear();
  errors_.Clear();
}

platform::DialogReply QuietDesigner::Answer(const platform::DialogRequest& request) {
  using Kind = platform::DialogRequest::Kind;
  platform::DialogReply reply;
  switch (request.kind) {
    case Kind::Message:
      messages_.push_back(request.text);
      reply.result = (request.buttons & platform::mbYes) != 0 ? platform::mrYes : platform::mrOk;
      break;
    case Kind::OpenFile:
    case Kind::SaveFile:
      reply.result = platform::mrOk;
      reply.value = chosenFile_;
      break;
    default:
      reply.result = platform::mrCancel;
      break;
  }
  return reply;
}

void QuietDesigner::Play(platform::TForm& form) {
  const std::string& name = form.Name();
  if (name == "NotSavedForm") {
    Press(form, "Button2");  // No
  } else if (name == "ReportStyleForm") {
    Press(form, "BitBtn1");  // OK
  } else if (name == "StylePreview" && importEveryStyle_) {
    Press(form, "Button1");  // Import Style...
  } else if (name == "StyleSelectForm") {
    auto& choice = static_cast<designer::TStyleSelectForm&>(form);
    for (int i = 0; i < choice.ListBox1->Count(); ++i) choice.ListBox1->SetChecked(i, true);
    choice.Button1->Click();
  }
}

void QuietDesigner::Open(const std::string& windowsPath) {
  ChooseFile(windowsPath);
  Form().Open1->Click();
  QCoreApplication::processEvents();
}

void QuietDesigner::SaveAs(const std::string& windowsPath) {
  ChooseFile(windowsPath);
  Form().SaveAs1->Click();
  QCoreApplication::processEvents();
}

void QuietDesigner::Close() {
  Form().Close1->Click();
  QCoreApplication::processEvents();
}

}  // namespace tessel_fuzz
