#include "tests/designer_hostile_input/hostile_designer_fixture.h"

#include <QCoreApplication>

#include <filesystem>
#include <fstream>

#include "designer/template_io/control_tree_io.h"
#include "platform/controls/buttons.h"
#include "platform/controls/menus.h"

namespace tessel_test {
namespace {

void Press(platform::TForm& form, const char* buttonName) {
  if (auto* button = dynamic_cast<platform::TControl*>(form.FindComponent(buttonName))) button->Click();
}

}  // namespace

std::string CurrentTestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  return info ? std::string(info->test_suite_name()) + "." + info->name() : "a hostile case";
}

AnswerEverything::AnswerEverything()
    : dialogs_([this](const platform::DialogRequest& request) {
        platform::DialogReply reply;
        switch (request.kind) {
          case platform::DialogRequest::Kind::Message:
            messages_.push_back(request.text);
            reply.result = (request.buttons & platform::mbYes) != 0 ? platform::mrYes : platform::mrOk;
            break;
          case platform::DialogRequest::Kind::OpenFile:
          case platform::DialogRequest::Kind::SaveFile:
            reply.result = platform::mrOk;
            reply.value = chosenFile_;
            break;
          default:
            reply.result = platform::mrCancel;
        }
        return reply;
      }),
      modals_([](platform::TForm& form) {
        if (form.Name() == "NotSavedForm") Press(form, "Button2");  // No
      }) {}

void HostileDesigner::SetUp() {
  DesignerTest::SetUp();
  Activate();
  std::filesystem::copy_file(std::string(TESSEL_SAMPLES) + "/sample.qnf", folder() + "/sample.qnf");
  ASSERT_EQ(Open("sample.qnf"), Texts{});
  ASSERT_EQ(SaveAs("sound.qnf"), Texts{});
  soundBytes_ = Bytes("sound.qnf");
  ASSERT_FALSE(soundBytes_.empty());
}

void HostileDesigner::TearDown() {
  // Whatever the case left, the designer still opens and saves a sound
  // template correctly.
  const std::size_t errors = Errors().size();
  EXPECT_EQ(Open("sound.qnf"), Texts{});
  EXPECT_EQ(form().FFileName, WindowsPath("sound.qnf"));
  EXPECT_EQ(SaveAs("sound-again.qnf"), Texts{});
  EXPECT_EQ(Bytes("sound-again.qnf"), soundBytes_);
  EXPECT_EQ(Errors().size(), errors) << Errors().back();
  EXPECT_LT(PeakResidentMiB(), kMemoryBoundMiB);
  DesignerTest::TearDown();
}

std::string HostileDesigner::Write(const std::string& name, std::string_view bytes) const {
  const std::string path = folder() + "/" + name;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

Texts HostileDesigner::Open(const std::string& name) {
  AnswerEverything answers;
  answers.ChooseFile(WindowsPath(name));
  form().Open1->Click();
  QCoreApplication::processEvents();
  return answers.Messages();
}

Texts HostileDesigner::SaveAs(const std::string& name) {
  AnswerEverything answers;
  answers.ChooseFile(WindowsPath(name));
  form().SaveAs1->Click();
  QCoreApplication::processEvents();
  return answers.Messages();
}

void HostileDesigner::ExpectSavedDesignReadsBack() {
  const int objects = ObjectCount();
  const std::size_t errors = Errors().size();
  SaveAs("read-back.qnf");
  ASSERT_EQ(Errors().size(), errors) << Errors().back();
  const std::string saved = Bytes("read-back.qnf");
  EXPECT_EQ(Open("read-back.qnf"), Texts{});
  EXPECT_EQ(ObjectCount(), objects);
  SaveAs("read-back-again.qnf");
  EXPECT_EQ(Errors().size(), errors);
  EXPECT_EQ(Bytes("read-back-again.qnf"), saved);
}

int HostileDesigner::ObjectCount() { return designer::CountDesignObjects(form(), form().REPORT); }

platform::TControl* HostileDesigner::Object(const std::string& name) {
  return dynamic_cast<platform::TControl*>(form().REPORT->FindComponent(name));
}

}  // namespace tessel_test
