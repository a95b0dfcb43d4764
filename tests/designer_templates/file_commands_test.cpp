// New, Open, Close, Save and Save As around the design: the save question,
// names and extensions, the page laid out from the report style, and saves
// that fail without costing the author the template they had.
#include <QWidget>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <algorithm>
#include <filesystem>
#include <vector>

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

TEST_F(FileCommands, AFailedSaveAsGivesBackTheOldName) {
  TForm1& f = form();
  std::filesystem::create_directory(folder() + "/taken.qnf");
  SavedAndChanged("t.qnf");
  // Onto a folder, and into a folder that is not there yet.
  for (const std::string name : {"taken.qnf", "later/t.qnf"}) {
    Fixed(f.REPORT, 500, 500);
    const std::string saved = Bytes("t.qnf");
    const std::size_t errors = Errors().size();
    f.FProceed = true;
    SaveAs(name);
    ASSERT_EQ(Errors().size(), errors + 1) << name;
    EXPECT_EQ(Errors().back(), "Unable to write to " + WindowsPath(name));
    EXPECT_TRUE(f.FModified);
    EXPECT_FALSE(f.FProceed);
    EXPECT_EQ(f.FFileName, WindowsPath("t.qnf"));
    EXPECT_EQ(f.Caption(), WindowsPath("t.qnf"));
    // The folder appears; Save writes the file the caption names.
    std::filesystem::create_directory(folder() + "/later");
    f.Save1Click(nullptr);
    EXPECT_NE(Bytes("t.qnf"), saved) << name;
    EXPECT_FALSE(f.FModified);
    EXPECT_FALSE(std::filesystem::exists(folder() + "/later/t.qnf"));
    std::filesystem::remove(folder() + "/later");
  }
}

// Every file the test's folder holds, at any depth.
std::vector<std::string> FilesBelow(const std::string& root) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
    names.push_back(entry.path().lexically_relative(root).string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(FileCommands, PathsInAnyLanguageAreTheFilesChosen) {
  TForm1& f = form();
  const std::string chosen = "My Reports/Отчёт Łódź.qnf";
  std::filesystem::create_directory(folder() + "/My Reports");
  std::filesystem::create_directory(folder() + "/Отчёты");
  Write(chosen, Crlf("[RR0]\nREPORTWIDTH=8\nREPORTHEIGHT=10\nPAPERWIDTH=8.5\nPAPERHEIGHT=11\n[REPORT]\n"
                     "RC1=FIXEDREGION\n[RC1]\nNAME=Body\nLEFT=0\nTOP=0\nWIDTH=300\nHEIGHT=200\nPARENT=REPORT\n"));
  Open(chosen);
  EXPECT_NE(Object("Body"), nullptr);
  EXPECT_EQ(f.FFileName, WindowsPath(chosen));
  EXPECT_EQ(f.Caption(), WindowsPath(chosen));
  EXPECT_EQ(f.Widget()->window()->windowTitle().toStdString(), WindowsPath(chosen));

  // Save As onto it asks first, and writes it.
  Fixed(Object("Body"), 5, 5);
  dialogs->ReplyFile(WindowsPath(chosen));
  dialogs->ReplyButton(platform::mrYes);
  f.SaveAs1Click(nullptr);
  EXPECT_EQ(dialogs->Requests().back().text, "File exists.  Do you want to overwrite it?");
  EXPECT_NE(Bytes(chosen).find("PARENT=Body"), std::string::npos);
  EXPECT_EQ(f.Caption(), WindowsPath(chosen));

  // Save As into a new folder, the save question and the script beside it.
  SaveAs("Отчёты/sales.qnf");
  const std::string saved = Bytes("Отчёты/sales.qnf");
  EXPECT_NE(saved.find("PARENT=Body"), std::string::npos);
  modals->On("CodeWindow", [](platform::TForm&) {});
  f.UCD1Click(nullptr);
  EXPECT_EQ(ReadFileBytes(folder() + "/Отчёты/mycode.txt").rfind("zBxCreateReport(fileLocation^\"sales.qnf\")", 0), 0u);
  Fixed(f.REPORT, 400, 400);
  modals->On("NotSavedForm", [this](platform::TForm& question) {
    EXPECT_EQ(static_cast<designer::TNotSavedForm&>(question).Label1->Caption(),
              "Save changes to " + WindowsPath("Отчёты/sales.qnf"));
    static_cast<designer::TNotSavedForm&>(question).Button1->Click();
  });
  f.Close1Click(nullptr);
  const std::string closed = Bytes("Отчёты/sales.qnf");
  EXPECT_EQ(std::count(closed.begin(), closed.end(), '\n'), std::count(saved.begin(), saved.end(), '\n') + 13);

  // A script cannot name a template whose name the script's letters lack.
  SaveAs("Отчёты/итоги.qnf");
  f.UCD1Click(nullptr);
  EXPECT_EQ(Errors().back(), "The host script cannot name the template \"итоги.qnf\": the script holds only "
                             "Western European letters. Save the template under a name without the others.");
  EXPECT_EQ(FilesBelow(folder() + "/My Reports"), std::vector<std::string>{"Отчёт Łódź.qnf"});
  EXPECT_EQ(FilesBelow(folder() + "/Отчёты"), (std::vector<std::string>{"mycode.txt", "sales.qnf", "итоги.qnf"}));
  for (const std::string& name : FilesBelow(folder())) EXPECT_EQ(name.find('?'), std::string::npos) << name;
  EXPECT_EQ(Errors().size(), 1u);
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
