// New, Open, Close, Save and Save As around the design: the save question,
// names and extensions, the page laid out from the report style, and saves
// that fail without costing the author the template they had.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "designer/dialogs/report_style_form.h"
#include "designer/main_window/not_saved_form.h"
#include "platform/controls/edits.h"
#include "platform/controls/exceptions.h"
#include "tests/designer_templates/template_fixture.h"

namespace tessel_test {
namespace {

using designer::TForm1;
using Kind = platform::DialogRequest::Kind;

class FileCommands : public TemplateTest {
 protected:
  // A saved template with one region, and the design marked as changed.
  void SavedAndChanged(const std::string& name) {
    Fixed(form().REPORT, 10, 10);
    SaveAs(name);
    ASSERT_FALSE(form().FModified);
    Fixed(Object("Region1"), 5, 5);
    ASSERT_TRUE(form().FModified);
  }
  int FileDialogs(Kind kind) const {
    int count = 0;
    for (const platform::DialogRequest& request : dialogs->Requests()) count += request.kind == kind ? 1 : 0;
    return count;
  }
  void SetFolderFields(const std::string& images, const std::string& texts, const char* button) {
    modals->On("ReportStyleForm", [images, texts, button](platform::TForm& dialog) {
      auto& style = static_cast<designer::TReportStyleForm&>(dialog);
      style.Edit1->SetText(images);
      style.Edit2->SetText(texts);
      static_cast<platform::TControl*>(style.FindComponent(button))->Click();
    });
  }
};

TEST_F(FileCommands, CloseForgetsTheNameSoSaveAsksForOne) {
  TForm1& f = form();
  Fixed(f.REPORT, 10, 10);
  SaveAs("kept.qnf");
  const std::string saved = Bytes("kept.qnf");
  f.Close1Click(nullptr);
  EXPECT_EQ(f.FFileName, "");
  EXPECT_EQ(f.Caption(), "");
  EXPECT_EQ(f.REPORT->ControlCount(), 0);
  dialogs->ReplyCancel();
  f.Save1Click(nullptr);
  EXPECT_EQ(FileDialogs(Kind::SaveFile), 2);
  EXPECT_EQ(dialogs->Requests().back().value, "");
  EXPECT_EQ(Bytes("kept.qnf"), saved);
}

TEST_F(FileCommands, CloseLeavesTheDefaultStyleInUse) {
  TForm1& f = form();
  *f.Program().StyleList[1] = designer::TStyleRecord{0, "Heading", 1, 12, 0, "Arial", "NONE"};
  f.CreateStyleMenuItems(1);
  f.FStyleCount = 2;
  f.Program().StyleList[0]->IsGlobal = 1;
  f.Program().StyleList[0]->FontName = "Times New Roman";
  f.FTextCount = 7;
  f.Close1Click(nullptr);
  EXPECT_EQ(f.FStyleCount, 1);
  EXPECT_EQ(*f.Program().StyleList[0], (designer::TStyleRecord{1, "DEFAULTSTYLE", 0, 8, 0, "Arial", "NONE"}));
  for (platform::TMenuItem* submenu : {f.SelectStyle1, f.ModifyStyle1, f.DeleteStyle1, f.VarMainStyle, f.VarHLStyle,
                                       f.MakeStyleGlobal1}) {
    ASSERT_EQ(submenu->Count(), 1);
    EXPECT_EQ(submenu->Items(0)->Caption(), "DEFAULTSTYLE");
  }
  EXPECT_EQ(f.FTextCount, 0);
  // What is placed next is saved with the style it names.
  Text(Fixed(f.REPORT, 0, 0), 1, 1);
  SaveAs("after.qnf");
  EXPECT_NE(Bytes("after.qnf").find(Crlf("[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\n")),
            std::string::npos);
}

TEST_F(FileCommands, TheSaveQuestionGuardsClose) {
  TForm1& f = form();
  SavedAndChanged("t.qnf");
  const std::string saved = Bytes("t.qnf");
  modals->On("NotSavedForm", [this](platform::TForm& question) {
    EXPECT_EQ(static_cast<designer::TNotSavedForm&>(question).Label1->Caption(), "Save changes to " +
                                                                                    WindowsPath("t.qnf"));
    static_cast<designer::TNotSavedForm&>(question).Button3->Click();
  });
  f.Close1Click(nullptr);
  EXPECT_FALSE(f.FProceed);
  EXPECT_NE(Object("Region2"), nullptr);
  EXPECT_EQ(f.FFileName, WindowsPath("t.qnf"));

  modals->Press("NotSavedForm", "Button1");
  f.Close1Click(nullptr);
  EXPECT_TRUE(f.FProceed);
  EXPECT_EQ(f.REPORT->ControlCount(), 0);
  EXPECT_NE(Bytes("t.qnf"), saved);
  EXPECT_NE(Bytes("t.qnf").find("NAME=Region2"), std::string::npos);
}

TEST_F(FileCommands, YesWithoutANameAndACancelledSaveAsGoesNoFurther) {
  TForm1& f = form();
  Fixed(f.REPORT, 10, 10);
  modals->On("NotSavedForm", [](platform::TForm& question) {
    EXPECT_EQ(static_cast<designer::TNotSavedForm&>(question).Label1->Caption(), "Save changes to ");
    static_cast<designer::TNotSavedForm&>(question).Button1->Click();
  });
  dialogs->ReplyCancel();
  f.Blank1Click(nullptr);
  EXPECT_FALSE(f.FProceed);
  EXPECT_NE(Object("Region1"), nullptr);
  EXPECT_TRUE(f.FModified);
}

TEST_F(FileCommands, SaveAsAddsTheExtensionOnlyToANameWithoutOne) {
  TForm1& f = form();
  std::filesystem::create_directory(folder() + "/my.dir");
  SaveAs("report");
  EXPECT_EQ(f.FFileName, WindowsPath("report.qnf"));
  EXPECT_TRUE(std::filesystem::exists(folder() + "/report.qnf"));
  SaveAs("report.txt");
  EXPECT_EQ(f.FFileName, WindowsPath("report.txt"));
  EXPECT_TRUE(std::filesystem::exists(folder() + "/report.txt"));
  SaveAs("my.dir\\report");
  EXPECT_EQ(f.FFileName, WindowsPath("my.dir\\report.qnf"));
  EXPECT_TRUE(std::filesystem::exists(folder() + "/my.dir/report.qnf"));
  EXPECT_EQ(f.Caption(), f.FFileName);
}

TEST_F(FileCommands, SaveAsAsksBeforeOverwriting) {
  TForm1& f = form();
  SaveAs("one.qnf");
  Write("two.qnf", "keep me");
  Fixed(f.REPORT, 1, 1);
  dialogs->ReplyFile(WindowsPath("two"));
  dialogs->ReplyButton(platform::mrNo);
  f.SaveAs1Click(nullptr);
  const platform::DialogRequest& question = dialogs->Requests().back();
  EXPECT_EQ(question.text, "File exists.  Do you want to overwrite it?");
  EXPECT_EQ(question.type, platform::TMsgDlgType::mtWarning);
  EXPECT_EQ(question.buttons, platform::mbYesNo);
  EXPECT_FALSE(f.FProceed);
  EXPECT_EQ(f.FFileName, WindowsPath("one.qnf"));
  EXPECT_EQ(f.Caption(), WindowsPath("one.qnf"));
  EXPECT_TRUE(f.FModified);
  EXPECT_EQ(Bytes("two.qnf"), "keep me");

  dialogs->ReplyFile(WindowsPath("two.qnf"));
  dialogs->ReplyButton(platform::mrYes);
  f.SaveAs1Click(nullptr);
  EXPECT_TRUE(f.FProceed);
  EXPECT_EQ(f.Caption(), WindowsPath("two.qnf"));
  EXPECT_NE(Bytes("two.qnf").find("NAME=Region1"), std::string::npos);
}

TEST_F(FileCommands, ACancelledSaveAsShowsTheNameAgain) {
  TForm1& f = form();
  SaveAs("a.qnf");
  f.SetCaption("something else");
  dialogs->ReplyCancel();
  f.SaveAs1Click(nullptr);
  EXPECT_EQ(dialogs->Requests().back().value, WindowsPath("a.qnf"));
  EXPECT_EQ(f.Caption(), WindowsPath("a.qnf"));
}

TEST_F(FileCommands, AFailedSaveKeepsTheOldTemplateWhole) {
  TForm1& f = form();
  SavedAndChanged("t.qnf");
  const std::string saved = Bytes("t.qnf");
  // A file size limit just above the old template's makes the new one
  // fail part-way, for root as for anyone.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit tight = old;
  tight.rlim_cur = saved.size() + 16;
  setrlimit(RLIMIT_FSIZE, &tight);
  f.Save1Click(nullptr);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, SIG_DFL);
  EXPECT_EQ(Errors(), std::vector<std::string>{"Unable to write to " + WindowsPath("t.qnf")});
  EXPECT_EQ(Bytes("t.qnf"), saved);
  EXPECT_TRUE(f.FModified);
  // Nothing is left beside it.
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder())) files += entry.is_regular_file() ? 1 : 0;
  EXPECT_EQ(files, 1);
}

TEST_F(FileCommands, AFailedSaveInAReadOnlyFolder) {
  TForm1& f = form();
  std::filesystem::create_directory(folder() + "/locked");
  SavedAndChanged("locked\\t.qnf");
  const std::string saved = Bytes("locked/t.qnf");
  std::filesystem::permissions(folder() + "/locked", std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
  const bool rootWrites = ::access((folder() + "/locked").c_str(), W_OK) == 0;
  if (!rootWrites) {
    f.Save1Click(nullptr);
    EXPECT_EQ(Errors(), std::vector<std::string>{"Unable to write to " + WindowsPath("locked\\t.qnf")});
    EXPECT_EQ(Bytes("locked/t.qnf"), saved);
    EXPECT_TRUE(f.FModified);
  }
  std::filesystem::permissions(folder() + "/locked", std::filesystem::perms::owner_all);
  if (rootWrites) GTEST_SKIP() << "this user writes into read-only folders";
}

TEST_F(FileCommands, SaveAsOntoAFolderFails) {
  TForm1& f = form();
  SavedAndChanged("t.qnf");
  std::filesystem::create_directory(folder() + "/taken.qnf");
  SaveAs("taken.qnf");
  EXPECT_EQ(Errors(), std::vector<std::string>{"Unable to write to " + WindowsPath("taken.qnf")});
  EXPECT_TRUE(std::filesystem::is_directory(folder() + "/taken.qnf"));
  EXPECT_TRUE(f.FModified);
  // The name is taken, the caption and FProceed are not.
  EXPECT_EQ(f.FFileName, WindowsPath("taken.qnf"));
  EXPECT_EQ(f.Caption(), WindowsPath("t.qnf"));
}

TEST_F(FileCommands, NewCentresTheReportAndKeepsFoldersOnlyWithOk) {
  TForm1& f = form();
  designer::TReportStyle& style = f.Program().ReportStyle;
  SetFolderFields("PICS", "TEXTS", "BitBtn2");
  f.Blank1Click(nullptr);
  EXPECT_EQ(style.ImageDirectory, "IMAGES");
  EXPECT_EQ(style.RtfDirectory, "RTFS");
  EXPECT_EQ(style.PlaceLeft, 0.25);
  EXPECT_EQ(style.PlaceTop, 0.5);
  EXPECT_EQ(f.FFileName, "");
  EXPECT_FALSE(f.FModified);

  SetFolderFields("PICS", "TEXTS", "BitBtn1");
  f.Blank1Click(nullptr);
  EXPECT_EQ(style.ImageDirectory, "PICS");
  EXPECT_EQ(style.RtfDirectory, "TEXTS");
  auto* image = Place<designer::TImageRegion>(&TForm1::FixedImage1Click, Fixed(f.REPORT, 0, 0), 0, 0);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->FFileLocation, "PICS");
}

TEST_F(FileCommands, NewCentresALandscapePageAsItIsShown) {
  TForm1& f = form();
  designer::TReportStyle& style = f.Program().ReportStyle;
  style.Orientation = 1;
  modals->Press("ReportStyleForm", "BitBtn1");
  f.Blank1Click(nullptr);
  EXPECT_EQ(style.PlaceLeft, 0.5);
  EXPECT_EQ(style.PlaceTop, 0.25);
  EXPECT_EQ(f.ScrollBox2->Width(), 1100);
  EXPECT_EQ(f.ScrollBox2->Height(), 850);
  EXPECT_EQ(f.REPORT->Bounds(), (platform::TBounds{50, 25, 1000, 800}));
}

TEST_F(FileCommands, ALandscapeTemplateTurnsThePaperBox) {
  Write("wide.qnf", Crlf("[RR0]\nREPORTWIDTH=8\nREPORTHEIGHT=10.5\nPAPERWIDTH=8.5\nPAPERHEIGHT=11\nORIENTATION=1\n"));
  Open("wide.qnf");
  TForm1& f = form();
  EXPECT_EQ(f.ScrollBox2->Width(), 1100);
  EXPECT_EQ(f.ScrollBox2->Height(), 850);
  EXPECT_EQ(f.REPORT->Bounds(), (platform::TBounds{25, 25, 1050, 800}));
  EXPECT_EQ(f.Program().ZoomLevel, 0);
}

TEST_F(FileCommands, RealsReadWithEitherSeparator) {
  TForm1& f = form();
  Write("dot.qnf", Crlf("[RR0]\nPAPERWIDTH=8.5\nPAPERHEIGHT=11,25\n"));
  {
    const DecimalSeparatorScope comma(',');
    Open("dot.qnf");
  }
  EXPECT_EQ(f.Program().ReportStyle.PaperWidth, 8.5);
  EXPECT_EQ(f.Program().ReportStyle.PaperHeight, 11.25);
  Open("dot.qnf");
  EXPECT_EQ(f.Program().ReportStyle.PaperWidth, 8.5);
  EXPECT_EQ(f.Program().ReportStyle.PaperHeight, 11.25);
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(f.StrToFloatAnySep("8,5"), 8.5);
  EXPECT_THROW(f.StrToFloatAnySep("1,234.5"), platform::EConvertError);
}

TEST_F(FileCommands, ABrokenTemplateLeavesAnEmptyUnnamedDesign) {
  TForm1& f = form();
  Fixed(f.REPORT, 0, 0);
  SaveAs("good.qnf");
  const designer::TReportStyle before = f.Program().ReportStyle;
  Write("broken.qnf", Crlf("[RR0]\nREPORTWIDTH=7\nREPORTHEIGHT=wide\n[STYLES]\nRS0=LABELSTYLE\n"
                           "[RS0]\nSTYLENAME=Other\n[REPORT]\nRC1=FIXEDREGION\n[RC1]\nNAME=Body\nPARENT=REPORT\n"));
  Open("broken.qnf");
  EXPECT_EQ(Errors(), std::vector<std::string>{"'wide' is not a valid floating point value"});
  EXPECT_EQ(f.REPORT->ControlCount(), 0);
  EXPECT_EQ(f.FFileName, "");
  EXPECT_EQ(f.Caption(), "");
  EXPECT_FALSE(f.FModified);
  EXPECT_EQ(f.FIniFile, nullptr);
  EXPECT_EQ(f.FStyleCount, 1);
  EXPECT_EQ(f.Program().StyleList[0]->Name, "DEFAULTSTYLE");
  EXPECT_EQ(f.Program().ReportStyle, before);
  EXPECT_EQ(f.Stack1->Peek(), f.REPORT);
  // Save cannot reach the template that failed, nor the one before.
  dialogs->ReplyCancel();
  f.Save1Click(nullptr);
  EXPECT_EQ(dialogs->Requests().back().kind, Kind::SaveFile);
}

TEST_F(FileCommands, OpenOfAMissingFileDoesNothing) {
  TForm1& f = form();
  Fixed(f.REPORT, 0, 0);
  dialogs->ReplyFile(WindowsPath("none.qnf"));
  f.Open1Click(nullptr);
  EXPECT_NE(Object("Region1"), nullptr);
  EXPECT_TRUE(f.FModified);
  EXPECT_TRUE(modals->Shown().empty());
}

TEST_F(FileCommands, CancelInTheSaveQuestionKeepsTheDesignWhenOpening) {
  TForm1& f = form();
  SavedAndChanged("t.qnf");
  modals->Press("NotSavedForm", "Button3");
  dialogs->ReplyFile(WindowsPath("t.qnf"));
  f.Open1Click(nullptr);
  EXPECT_NE(Object("Region2"), nullptr);
  EXPECT_TRUE(f.FModified);
  EXPECT_EQ(f.FStyleCount, 1);
  EXPECT_EQ(f.SelectStyle1->Count(), 1);
}

TEST_F(FileCommands, ExitClosesTheWindowAfterTheQuestion) {
  TForm1& f = form();
  Fixed(f.REPORT, 0, 0);
  modals->Press("NotSavedForm", "Button3");
  f.Exit1Click(nullptr);
  EXPECT_EQ(modals->Shown(), std::vector<std::string>{"NotSavedForm"});
  EXPECT_NE(Object("Region1"), nullptr);
}

}  // namespace
}  // namespace tessel_test
