// The code window that shows the script, what happens when the script
// cannot be written, and the save question and Save As that come first.
#include <filesystem>
#include <string>
#include <vector>

#include "designer/main_window/not_saved_form.h"
#include "designer/script/code_window.h"
#include "tests/designer_host_script/script_test_support.h"

namespace tessel_test {
namespace {

using designer::TVariableType;

using CodeWindowTest = HostScriptTest;

TEST_F(CodeWindowTest, TheWindowAsMade) {
  designer::TCodeWindow& window = *program().CodeWindow;
  EXPECT_EQ(window.Name(), "CodeWindow");
  EXPECT_EQ(window.Caption(), "CodeWindow");
  EXPECT_EQ(window.Width(), 326);
  EXPECT_EQ(window.Height(), 311);
  EXPECT_EQ(window.Position(), platform::TPosition::poScreenCenter);
  ASSERT_NE(window.Memo1, nullptr);
  EXPECT_EQ(window.Memo1->Parent(), window.ScrollBox2);
  EXPECT_EQ(window.ScrollBox2->Parent(), window.ScrollBox1);
  EXPECT_EQ(window.ScrollBox1->Parent(), &window);
  for (platform::TControl* control : std::vector<platform::TControl*>{window.ScrollBox1, window.ScrollBox2,
                                                                      window.Memo1}) {
    EXPECT_EQ(control->Align(), platform::TAlign::alClient) << control->Name();
  }
  EXPECT_EQ(window.Memo1->Lines(), std::vector<std::string>{"Memo1"});
}

TEST_F(CodeWindowTest, ShowsTheScriptJustWrittenAndReloadsItOnEveryActivation) {
  DesignBuilder design = Design();
  designer::TRegion* region = design.Fixed(design.Report(), "Region1");
  design.Variable(region, "VAR1", TVariableType::StringVar);
  std::vector<std::string> shown;
  modals->On("CodeWindow", [&shown](platform::TForm& window) {
    auto* memo = dynamic_cast<platform::TMemo*>(window.FindComponent("Memo1"));
    ASSERT_NE(memo, nullptr);
    shown = memo->Lines();
  });
  form().UCD1->Click();
  EXPECT_EQ(shown, (std::vector<std::string>{"zBxCreateReport(fileLocation^\"sales.qnf\")",
                                             "zBxBeginRegion(\"Region1\")",
                                             "     zBxSetVariable(\"VAR1\",--value--)", "zBxEndRegion()",
                                             "zBxPrintReport()", "zBxFreeReport()"}));

  // What the author types is thrown away when the window comes back.
  designer::TCodeWindow& window = *program().CodeWindow;
  window.Memo1->SetLines({"typed"});
  WriteFileBytes(ScriptFile(), "first\r\nsecond\nthird\rfourth\r\n");
  window.Activate();
  EXPECT_EQ(window.Memo1->Lines(), (std::vector<std::string>{"first", "second", "third", "fourth"}));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(CodeWindowTest, AnUnwritableFolderShowsTheErrorAndNoWindow) {
  DesignBuilder design = Design();
  design.Variable(design.Fixed(design.Report(), "Region1"), "VAR1", TVariableType::StringVar);
  // An earlier script stays the one the window shows.
  program().Script.ScriptFilePath = WindowsPath("mycode.txt");
  form().FFileName = WindowsPath("missing/sales.qnf");

  form().UCD1->Click();
  EXPECT_EQ(Errors(), std::vector<std::string>{"Unable to create file \"" + WindowsPath("missing/mycode.txt") + "\""});
  EXPECT_TRUE(modals->Shown().empty());
  EXPECT_EQ(program().Script.ScriptFilePath, WindowsPath("mycode.txt"));
  EXPECT_FALSE(std::filesystem::exists(folder() + "/missing"));
  EXPECT_EQ(form().FFileName, WindowsPath("missing/sales.qnf"));
  EXPECT_FALSE(form().FModified);
}

// Fault mended: a read-only "mycode.txt" was overwritten by root; the
// script is refused as a read-only template is, and says so.
TEST_F(CodeWindowTest, AReadOnlyScriptIsKeptAndTheErrorShown) {
  namespace fs = std::filesystem;
  DesignBuilder design = Design();
  design.Variable(design.Fixed(design.Report(), "Region1"), "VAR1", TVariableType::StringVar);
  program().Script.ScriptFilePath = WindowsPath("earlier.txt");
  WriteFileBytes(ScriptFile(), "kept\r\n");
  fs::permissions(ScriptFile(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

  form().UCD1->Click();
  EXPECT_EQ(Errors(), std::vector<std::string>{"Unable to create file \"" + WindowsPath("mycode.txt") + "\""});
  EXPECT_TRUE(modals->Shown().empty());
  EXPECT_EQ(ReadFileBytes(ScriptFile()), "kept\r\n");
  EXPECT_EQ(program().Script.ScriptFilePath, WindowsPath("earlier.txt"));

  // Writable again: written, keeping its permissions, and shown.
  fs::permissions(ScriptFile(), fs::perms::owner_write, fs::perm_options::add);
  modals->On("CodeWindow", [](platform::TForm&) {});
  form().UCD1->Click();
  EXPECT_EQ(ReadFileBytes(ScriptFile()).substr(0, 15), "zBxCreateReport");
  EXPECT_EQ(fs::status(ScriptFile()).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(Errors().size(), 1u);
}

TEST_F(CodeWindowTest, ATemplateNeverSavedIsSavedAsFirst) {
  form().FFileName.clear();
  DesignBuilder design = Design();
  design.Variable(design.Fixed(design.Report(), "Region1"), "VAR1", TVariableType::StringVar);
  dialogs->ReplyFile(WindowsPath("fresh.qnf"));
  const std::string script = Generate(form().UCD1);
  EXPECT_EQ(form().FFileName, WindowsPath("fresh.qnf"));
  EXPECT_TRUE(std::filesystem::exists(folder() + "/fresh.qnf"));
  EXPECT_EQ(script.substr(0, script.find("\r\n")), "zBxCreateReport(fileLocation^\"fresh.qnf\")");
  EXPECT_EQ(program().Script.ScriptFilePath, WindowsPath("mycode.txt"));
}

TEST_F(CodeWindowTest, ACancelledSaveAsWritesNothing) {
  form().FFileName.clear();
  dialogs->ReplyCancel();
  form().Xtra1->Click();
  EXPECT_TRUE(modals->Shown().empty());
  EXPECT_FALSE(std::filesystem::exists(ScriptFile()));
  EXPECT_EQ(form().FFileName, "");
  EXPECT_TRUE(Errors().empty());
}

TEST_F(CodeWindowTest, CancelAtTheSaveQuestionWritesNothing) {
  form().FModified = true;
  std::string question;
  modals->On("NotSavedForm", [&question](platform::TForm& window) {
    question = static_cast<designer::TNotSavedForm&>(window).Label1->Caption();
    static_cast<designer::TNotSavedForm&>(window).Button3->Click();
  });
  form().DirectorLingo1->Click();
  EXPECT_EQ(question, "Save changes to " + WindowsPath("sales.qnf"));
  EXPECT_EQ(modals->Shown(), std::vector<std::string>{"NotSavedForm"});
  EXPECT_FALSE(std::filesystem::exists(ScriptFile()));
  EXPECT_TRUE(form().FModified);
}

TEST_F(CodeWindowTest, NoAtTheSaveQuestionGoesOnWithoutSaving) {
  form().FModified = true;
  modals->Press("NotSavedForm", "Button2");
  const std::string script = Generate(form().UCD1);
  EXPECT_EQ(script, CrLfLines({"zBxCreateReport(fileLocation^\"sales.qnf\")", "zBxPrintReport()",
                               "zBxFreeReport()"}));
  EXPECT_FALSE(std::filesystem::exists(folder() + "/sales.qnf"));
  EXPECT_TRUE(form().FModified);
}

}  // namespace
}  // namespace tessel_test
