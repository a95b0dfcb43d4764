#include "tests/designer_support/designer_fixture.h"

#include <QApplication>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "designer/dialogs/report_style_form.h"
#include "platform/controls/buttons.h"
#include "platform/system/file_paths.h"
#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace tessel_test {

DialogScript::DialogScript()
    : handler_([this](const platform::DialogRequest& request) {
        requests_.push_back(request);
        if (replies_.empty()) {
          ADD_FAILURE() << "unexpected dialog: " << request.caption << ": " << request.text;
          return platform::DialogReply{};
        }
        platform::DialogReply reply = replies_.front();
        replies_.pop_front();
        return reply;
      }) {}

void DialogScript::Reply(platform::DialogReply reply) { replies_.push_back(std::move(reply)); }

void DialogScript::ReplyButton(platform::TModalResult result) {
  platform::DialogReply reply;
  reply.result = result;
  Reply(reply);
}

void DialogScript::ReplyText(const std::string& text) {
  platform::DialogReply reply;
  reply.result = platform::mrOk;
  reply.value = text;
  Reply(reply);
}

void DialogScript::ReplyFile(const std::string& windowsPath) { ReplyText(windowsPath); }

void DialogScript::ReplyCancel() { ReplyButton(platform::mrCancel); }

std::vector<std::string> DialogScript::Messages() const {
  std::vector<std::string> texts;
  for (const platform::DialogRequest& request : requests_)
    if (request.kind == platform::DialogRequest::Kind::Message) texts.push_back(request.text);
  return texts;
}

ModalScript::ModalScript()
    : handler_([this](platform::TForm& form) {
        shown_.push_back(form.Name());
        if (actions_.empty() || actions_.front().first != form.Name()) {
          ADD_FAILURE() << "unexpected modal form: " << form.Name();
          return;
        }
        Action action = std::move(actions_.front().second);
        actions_.pop_front();
        action(form);
      }) {}

void ModalScript::On(const std::string& formName, Action action) {
  actions_.emplace_back(formName, std::move(action));
}

void ModalScript::Press(const std::string& formName, const std::string& buttonName) {
  On(formName, [buttonName](platform::TForm& form) {
    auto* button = dynamic_cast<platform::TControl*>(form.FindComponent(buttonName));
    ASSERT_NE(button, nullptr) << "no button " << buttonName << " on " << form.Name();
    button->Click();
  });
}

bool ModalScript::AllUsed() const { return actions_.empty(); }

void DesignerTest::SetUp() {
  ASSERT_TRUE(platform::EnsureApplication());
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::filesystem::path base = std::filesystem::temp_directory_path() / "tessel-designer-tests";
  // A folder of this run's own: the same test may run in two builds at once.
  std::filesystem::create_directories(base);
  // Parameterised tests have slashes in their names.
  std::string testName = std::string(info->test_suite_name()) + "." + info->name();
  std::replace(testName.begin(), testName.end(), '/', '.');
  std::string pattern = (base / (testName + "-XXXXXX")).string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr) << pattern;
  const std::filesystem::path path = pattern;
  // Readable by others, as a folder made the usual way: some tests act as
  // another user.
  std::filesystem::permissions(path, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                                         std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                                         std::filesystem::perms::others_exec);
  // In a folder whose name Windows text cannot hold, which the global
  // style file must reach all the same.
  const std::filesystem::path dataHome = path / "Данные Łódź";
  std::filesystem::create_directories(dataHome);
  folder_ = path.string();
  // The global style file of the test lives in its own data folder.
  if (const char* old = std::getenv("XDG_DATA_HOME")) {
    hadDataHome_ = true;
    oldDataHome_ = old;
  }
  setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
  errors_ = std::make_unique<platform::ScopedMessageRecorder>();
  dialogs = std::make_unique<DialogScript>();
  modals = std::make_unique<ModalScript>();
  program_ = std::make_unique<designer::DesignerProgram>();
  program_->CreateForms(false);
}

void DesignerTest::TearDown() {
  program_.reset();
  QCoreApplication::processEvents();
  if (modals) {
    EXPECT_TRUE(modals->AllUsed()) << "scripted modal answers were left over";
  }
  if (dialogs) {
    EXPECT_TRUE(dialogs->AllUsed()) << "scripted dialog answers were left over";
  }
  modals.reset();
  dialogs.reset();
  errors_.reset();
  if (hadDataHome_) {
    setenv("XDG_DATA_HOME", oldDataHome_.c_str(), 1);
  } else {
    unsetenv("XDG_DATA_HOME");
  }
  // A failed test leaves its files to be looked at.
  if (!folder_.empty() && !HasFailure()) {
    std::error_code ignored;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(folder_, ignored);
  }
}

std::string DesignerTest::WindowsPath(const std::string& name) const {
  return platform::AbsoluteSystemPath(folder_ + "/" + name);
}

void DesignerTest::Activate() {
  modals->Press("ReportStyleForm", "BitBtn1");
  form().FormActivate(&form());
}

platform::TComponent* DesignerTest::Find(const std::string& name) const {
  if (platform::TComponent* found = program_->Form1->FindComponent(name)) return found;
  platform::TComponent& forms = program_->Forms();
  for (int i = 0; i < forms.ComponentCount(); ++i) {
    if (forms.Components(i)->Name() == name) return forms.Components(i);
    if (platform::TComponent* found = forms.Components(i)->FindComponent(name)) return found;
  }
  return nullptr;
}

platform::TMenuItem* DesignerTest::MenuItem(const std::string& name) const {
  return dynamic_cast<platform::TMenuItem*>(Find(name));
}

std::string ReadFileBytes(const std::string& nativePath) {
  std::ifstream in(nativePath, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFileBytes(const std::string& nativePath, const std::string& bytes) {
  std::ofstream out(nativePath, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace tessel_test
