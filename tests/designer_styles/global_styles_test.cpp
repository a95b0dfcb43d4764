// The global style file: what Make Style Global appends, and the preview
// and import choice of Show Styles.
#include <filesystem>

#include "designer/objects/rich_text_region.h"
#include "designer/styles/style_preview.h"
#include "designer/styles/style_select_form.h"
#include "platform/controls/scroll_box.h"
#include "platform/system/file_paths.h"
#include "tests/designer_styles/styles_fixture.h"

namespace tessel_test {
namespace {

using designer::TStyleRecord;

const platform::TFont kHeadingFont{"Times New Roman", 14, 0x0000FF, platform::fsBold | platform::fsUnderline};
const platform::TFont kBodyFont{"Courier New", 10, platform::clWindowText, platform::fsItalic};

class GlobalStylesTest : public StylesTest {
 protected:
  std::string GlobalFile() { return platform::NativeOfSystemPath(form().FGlobalStylePath); }
  // The import: the preview is shown; Import Style... opens the choice, in
  // which the positions given are checked before OK.
  void Import(const std::vector<int>& checked) {
    modals->On("StylePreview", [](platform::TForm& shown) {
      static_cast<designer::TStylePreview&>(shown).Button1->Click();
    });
    modals->On("StyleSelectForm", [checked](platform::TForm& shown) {
      auto& choice = static_cast<designer::TStyleSelectForm&>(shown);
      for (int position : checked) choice.ListBox1->SetChecked(position, true);
      choice.Button1->Click();
    });
    form().Global1->Click();
  }
  // A global style file as another run of the designer left it.
  void WriteGlobalFile(const std::vector<TStyleRecord>& styles) {
    std::string text = "[STYLES]\r\n";
    for (std::size_t i = 0; i < styles.size(); ++i) text += "GS" + std::to_string(i) + "=LABELSTYLE\r\n";
    for (std::size_t i = 0; i < styles.size(); ++i) {
      const TStyleRecord& s = styles[i];
      text += "[GS" + std::to_string(i) + "]\r\nSTYLENAME=" + s.Name + "\r\nSTYLE=" + std::to_string(s.StyleBits) +
              "\r\nSIZE=" + std::to_string(s.Size) + "\r\nCOLOR=" + std::to_string(s.Color) + "\r\nNAME=" +
              s.FontName + "\r\nALIGNMENT=" + s.Alignment + "\r\n";
    }
    WriteFileBytes(GlobalFile(), text);
  }
};

TEST_F(GlobalStylesTest, TwoMakeStyleGlobalAppendGS0ThenGS1) {
  AddStyle("Heading", kHeadingFont);
  AddStyle("Body", kBodyFont);
  program().StyleList.at(2)->Alignment = "LEFT";
  ASSERT_FALSE(std::filesystem::exists(GlobalFile()));
  form().FModified = false;

  form().MakeStyleGlobal1->Items(1)->Click();
  const std::string first =
      "[STYLES]\r\nGS0=LABELSTYLE\r\n"
      "[GS0]\r\nSTYLENAME=Heading\r\nSTYLE=5\r\nSIZE=14\r\nCOLOR=255\r\nNAME=Times New Roman\r\nALIGNMENT=\r\n";
  EXPECT_EQ(ReadFileBytes(GlobalFile()), first);
  EXPECT_EQ(program().StyleList.at(1)->IsGlobal, 1);

  form().MakeStyleGlobal1->Items(2)->Click();
  // The window-text system colour is written as the negative number it is.
  const std::string second =
      "[STYLES]\r\nGS0=LABELSTYLE\r\nGS1=LABELSTYLE\r\n"
      "[GS0]\r\nSTYLENAME=Heading\r\nSTYLE=5\r\nSIZE=14\r\nCOLOR=255\r\nNAME=Times New Roman\r\nALIGNMENT=\r\n"
      "[GS1]\r\nSTYLENAME=Body\r\nSTYLE=2\r\nSIZE=10\r\nCOLOR=-16777208\r\nNAME=Courier New\r\nALIGNMENT=LEFT\r\n";
  EXPECT_EQ(ReadFileBytes(GlobalFile()), second);

  // A name the file holds is never written again, whatever its font now is.
  ModifyStyle(1, kBodyFont);
  EXPECT_EQ(program().StyleList.at(1)->IsGlobal, 0);
  form().MakeStyleGlobal1->Items(1)->Click();
  EXPECT_EQ(ReadFileBytes(GlobalFile()), second);
  EXPECT_TRUE(Errors().empty());
}

// Fault mended: a global style file without any write permission was
// written all the same by root; Windows' read-only attribute stops every
// user.
TEST_F(GlobalStylesTest, AReadOnlyGlobalStyleFileIsNotWritten) {
  namespace fs = std::filesystem;
  AddStyle("Heading", kHeadingFont);
  AddStyle("Body", kBodyFont);
  form().MakeStyleGlobal1->Items(1)->Click();
  const std::string before = ReadFileBytes(GlobalFile());
  ASSERT_NE(before.find("STYLENAME=Heading"), std::string::npos);
  fs::permissions(GlobalFile(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  form().MakeStyleGlobal1->Items(2)->Click();
  EXPECT_EQ(Errors(), (std::vector<std::string>{"Unable to write to " + form().FGlobalStylePath}));
  EXPECT_EQ(ReadFileBytes(GlobalFile()), before);
  // Writable again: Body is appended.
  fs::permissions(GlobalFile(), fs::perms::owner_write, fs::perm_options::add);
  form().MakeStyleGlobal1->Items(2)->Click();
  EXPECT_NE(ReadFileBytes(GlobalFile()).find("[GS1]\r\nSTYLENAME=Body\r\n"), std::string::npos);
  EXPECT_EQ(Errors().size(), 1u);
}

// Fault mended: a name typed with blanks at its ends or in quotes never
// matched what the file gave back, so each Make Style Global appended the
// style again.
TEST_F(GlobalStylesTest, ATypedNameIsKeptAsTheFilesGiveItBack) {
  AddStyle("  Heading ", kHeadingFont);
  AddStyle("\"Quoted\"", kBodyFont);
  AddStyle(" 'Single' ", kBodyFont);
  AddStyle("Two\r\nLines\r", kBodyFont);
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"DEFAULTSTYLE", "Heading", "Quoted", "Single", "Two  Lines"}));
  for (int round = 0; round < 2; ++round) {
    for (int style = 1; style <= 4; ++style) form().MakeStyleGlobal1->Items(style)->Click();
  }
  const std::string text = ReadFileBytes(GlobalFile());
  EXPECT_EQ(text.substr(0, text.find("[GS0]")),
            "[STYLES]\r\nGS0=LABELSTYLE\r\nGS1=LABELSTYLE\r\nGS2=LABELSTYLE\r\nGS3=LABELSTYLE\r\n");
  for (const char* name : {"Heading", "Quoted", "Single", "Two  Lines"})
    EXPECT_NE(text.find("STYLENAME=" + std::string(name) + "\r\n"), std::string::npos) << name;
  // A name the file would give back as no name cannot be confirmed.
  designer::TStyleForm& dialog = *program().StyleForm;
  for (const char* blank : {"   ", "\"\"", "\" \"", "''", "\r\n", "' \r'"}) {
    dialog.Edit1->SetText(blank);
    EXPECT_FALSE(dialog.BitBtn1->Enabled()) << blank;
  }
  dialog.Edit1->SetText(" x ");
  EXPECT_TRUE(dialog.BitBtn1->Enabled());
  EXPECT_TRUE(Errors().empty());
}

TEST_F(GlobalStylesTest, WritesAppendToWhatAnotherRunWroteMeanwhile) {
  AddStyle("Heading", kHeadingFont);
  // Another designer makes the file after this one started, with its own
  // spelling of the names (INI names match without regard to case).
  const std::string other = "[styles]\nGs0=LABELSTYLE\n[gs0]\nstylename=Other\nstyle=0\n";
  WriteFileBytes(GlobalFile(), other);
  form().MakeStyleGlobal1->Items(1)->Click();
  EXPECT_EQ(ReadFileBytes(GlobalFile()),
            "[styles]\r\nGs0=LABELSTYLE\r\nGS1=LABELSTYLE\r\n[gs0]\r\nstylename=Other\r\nstyle=0\r\n"
            "[GS1]\r\nSTYLENAME=Heading\r\nSTYLE=5\r\nSIZE=14\r\nCOLOR=255\r\nNAME=Times New Roman\r\nALIGNMENT=\r\n");
  // The other run appends Body next; this one then finds it there.
  AddStyle("Body", kBodyFont);
  const std::string appended = ReadFileBytes(GlobalFile()) + "[GS2]\r\nSTYLENAME=Body\r\nSTYLE=1\r\n";
  std::string withKey = appended;
  withKey.insert(withKey.find("[gs0]"), "GS2=LABELSTYLE\r\n");
  WriteFileBytes(GlobalFile(), withKey);
  form().MakeStyleGlobal1->Items(2)->Click();
  EXPECT_EQ(ReadFileBytes(GlobalFile()), withKey);
}

TEST_F(GlobalStylesTest, LocalPreviewShowsEachStyleInItsFont) {
  AddStyle("Heading", kHeadingFont);
  designer::TStylePreview& preview = *program().StylePreview;
  EXPECT_EQ(preview.Caption(), "StylePreview");
  EXPECT_EQ(preview.Width(), 272);
  EXPECT_EQ(preview.Height(), 376);
  EXPECT_EQ(preview.Button1->Caption(), "Import Style...");
  modals->On("StylePreview", [this](platform::TForm& shown) {
    auto& p = static_cast<designer::TStylePreview&>(shown);
    EXPECT_FALSE(p.Button1->Enabled());
    platform::TScrollBox* box = p.Scrollbox1;
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Name(), "Scrollbox1");
    EXPECT_EQ(box->Bounds(), (platform::TBounds{0, 0, p.ClientWidth(), 300}));
    EXPECT_LE(box->Top() + box->Height(), p.Button1->Top()) << "the button stands below the scroll box";
    ASSERT_EQ(box->ControlCount(), 2);
    auto* first = dynamic_cast<designer::TStyledLabel*>(box->FindComponent("sl0"));
    auto* second = dynamic_cast<designer::TStyledLabel*>(box->FindComponent("sl1"));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->Caption(), "DEFAULTSTYLE");
    EXPECT_EQ(first->StyleName, "DEFAULTSTYLE");
    EXPECT_EQ(first->Font(), (platform::TFont{"Arial", 8, 0, 0}));
    EXPECT_EQ(second->Caption(), "Heading");
    EXPECT_EQ(second->Font(), kHeadingFont);
    EXPECT_EQ(first->Left(), 0);
    EXPECT_EQ(first->Top(), 0);
    EXPECT_GT(first->Height(), 0);
    EXPECT_EQ(second->Top(), first->Height());
    EXPECT_EQ(second->Left(), 0);
  });
  form().Local1->Click();
  EXPECT_EQ(preview.Scrollbox1.Get(), nullptr) << "the labels live only while the preview is active";
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"DEFAULTSTYLE", "Heading"}));
}

TEST_F(GlobalStylesTest, ImportAppendsTheCheckedStyles) {
  Activate();
  WriteGlobalFile({{0, "Heading", 5, 14, 255, "Times New Roman", "LEFT"},
                   {0, "Body", 16, 10, 0, "Courier New", ""},
                   {0, "Note", 15, 7, -16777208, "Arial", "NONE"}});
  form().FModified = false;
  modals->On("StylePreview", [](platform::TForm& shown) {
    auto& p = static_cast<designer::TStylePreview&>(shown);
    EXPECT_TRUE(p.Button1->Enabled());
    ASSERT_NE(p.Scrollbox1.Get(), nullptr);
    ASSERT_EQ(p.Scrollbox1->ControlCount(), 3);
    auto* body = dynamic_cast<designer::TStyledLabel*>(p.Scrollbox1->FindComponent("sl1"));
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->Caption(), "Body");
    EXPECT_EQ(body->Font().Style, 0) << "16 is no attribute set";
    auto* note = dynamic_cast<designer::TStyledLabel*>(p.Scrollbox1->FindComponent("sl2"));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->Font().Style, platform::fsBold | platform::fsItalic | platform::fsUnderline |
                                      platform::fsStrikeOut);
    p.Button1->Click();
  });
  modals->On("StyleSelectForm", [](platform::TForm& shown) {
    auto& choice = static_cast<designer::TStyleSelectForm&>(shown);
    ASSERT_EQ(choice.ListBox1->Count(), 3);
    EXPECT_EQ(choice.ListBox1->Item(0), "Heading");
    EXPECT_EQ(choice.ListBox1->Item(2), "Note");
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(choice.ListBox1->Checked(i));
    choice.ListBox1->SetChecked(0, true);
    choice.ListBox1->SetChecked(2, true);
    choice.Button1->Click();
  });
  form().Global1->Click();
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"DEFAULTSTYLE", "Heading", "Note"}));
  EXPECT_EQ(*program().StyleList.at(1), (TStyleRecord{0, "Heading", 5, 14, 255, "Times New Roman", "LEFT"}));
  EXPECT_EQ(*program().StyleList.at(2), (TStyleRecord{0, "Note", 15, 7, -16777208, "Arial", "NONE"}));
  ExpectMenus({"DEFAULTSTYLE", "Heading", "Note"});
  // Fault mended: an import left the template unmarked.
  EXPECT_TRUE(form().FModified);
  EXPECT_TRUE(program().GlobalStyleList.empty());
  EXPECT_EQ(program().StylePreview->Scrollbox1.Get(), nullptr);
  // The imported styles' items work like any other.
  auto* richText = dynamic_cast<designer::TRichTextRegion*>(Place(Region(form().REPORT), designer::kModeRichText));
  program().CurrentObject = richText;
  program().ParagraphForm->SelectStyle1->Items(2)->Click();
  EXPECT_EQ(program().ParagraphForm->Memo->DesignFont(),
            (platform::TFont{"Arial", 7, platform::clWindowText,
                             platform::fsBold | platform::fsItalic | platform::fsUnderline | platform::fsStrikeOut}));
  EXPECT_EQ(richText->FStyleName, "Note");
}

// Fault mended: names were not compared, and an import added a second
// style of a name in use.
TEST_F(GlobalStylesTest, ImportSkipsNamesInUseInOneMessage) {
  AddStyle("Heading", kHeadingFont);
  AddStyle("Body", kBodyFont);
  WriteGlobalFile({{0, "Heading", 0, 9, 0, "Arial", ""},
                   {0, "Note", 0, 9, 0, "Arial", ""},
                   {0, "Body", 0, 9, 0, "Arial", ""},
                   {0, "Note", 1, 9, 0, "Arial", ""}});
  dialogs->ReplyButton(platform::mrOk);
  Import({0, 1, 2, 3});
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"DEFAULTSTYLE", "Heading", "Body", "Note"}));
  EXPECT_EQ(program().StyleList.at(1)->FontName, "Times New Roman") << "the local style stays";
  EXPECT_EQ(program().StyleList.at(3)->StyleBits, 0) << "the first Note is the one imported";
  EXPECT_EQ(dialogs->Messages(),
            (std::vector<std::string>{
                "Styles Heading, Body, Note were not imported: styles of those names exist already."}));
  ExpectMenus(StyleNames());
}

// Fault mended: an import into a full list failed part-way after counting
// the style that did not fit.
TEST_F(GlobalStylesTest, ImportIntoAFullListKeepsWhatFits) {
  for (int i = 1; i <= 9; ++i) AddStyle("Style" + std::to_string(i), kBodyFont);
  WriteGlobalFile({{0, "A", 0, 9, 0, "Arial", ""}, {0, "B", 0, 9, 0, "Arial", ""}, {0, "C", 0, 9, 0, "Arial", ""}});
  dialogs->ReplyButton(platform::mrOk);
  Import({0, 1, 2});
  EXPECT_EQ(form().FStyleCount, 11);
  EXPECT_EQ(StyleNames().back(), "A");
  EXPECT_EQ(program().StyleList.size(), 11u);
  EXPECT_EQ(dialogs->Messages(),
            (std::vector<std::string>{"The style list is full (11 styles): B, C were left out."}));
  EXPECT_TRUE(Errors().empty());
  ExpectMenus(StyleNames());
  // Style names in use are reported as such even in a full list.
  dialogs->Clear();
  dialogs->ReplyButton(platform::mrOk);
  Import({0});
  EXPECT_EQ(dialogs->Messages(),
            (std::vector<std::string>{"Style A was not imported: a style of that name exists already."}));
}

// Fault mended: a Global showing without Import Style... imported the
// check marks of the choice's last use again.
TEST_F(GlobalStylesTest, OnlyWhatIsCheckedDuringTheShowingIsImported) {
  WriteGlobalFile({{0, "Heading", 0, 9, 0, "Arial", ""}});
  Import({0});
  form().DeleteStyle1->Items(1)->Click();
  ASSERT_EQ(StyleNames(), (std::vector<std::string>{"DEFAULTSTYLE"}));
  form().FModified = false;
  modals->On("StylePreview", [](platform::TForm&) {});
  form().Global1->Click();
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"DEFAULTSTYLE"}));
  EXPECT_FALSE(form().FModified);
  // Opened but nothing checked: nothing either.
  Import({});
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"DEFAULTSTYLE"}));
}

// Fault mended: a key whose section is missing (or names no style) was
// imported as a style without a name: an empty item in every style menu
// and an empty STYLENAME in the saved template.
TEST_F(GlobalStylesTest, KeysNameTheirSectionsAndMissingOnesReadEmptyAndAreNotImported) {
  WriteFileBytes(GlobalFile(),
                 "[STYLES]\r\nFANCY=whatever\r\nGS7=LABELSTYLE\r\nGS8=LABELSTYLE\r\n"
                 "[FANCY]\r\nSTYLENAME=An Overly Long Style Name\r\nSTYLE=0x3\r\nSIZE=12\r\nCOLOR=0\r\n"
                 "NAME=A Font Face Of Thirty Characters\r\nALIGNMENT=ABCDEFGHIJKLMNOPQ\r\n"
                 "[GS8]\r\nSTYLENAME=  \"\"  \r\nSIZE=9\r\n");
  dialogs->ReplyButton(platform::mrOk);
  Import({0, 1, 2});
  // The choice shows what the file holds.
  const platform::TCheckListBox& choice = *program().StyleSelectForm->ListBox1;
  ASSERT_EQ(choice.Count(), 3);
  EXPECT_EQ(choice.Item(0), "An Overly Long Style");
  EXPECT_EQ(choice.Item(1), "");
  EXPECT_EQ(choice.Item(2), "");
  ASSERT_EQ(form().FStyleCount, 2);
  EXPECT_EQ(*program().StyleList.at(1),
            (TStyleRecord{0, "An Overly Long Style", 3, 12, 0, "A Font Face Of Thirty Cha", "ABCDEFGHIJKLMNO"}));
  EXPECT_EQ(*program().StyleList.at(2), TStyleRecord{});
  EXPECT_EQ(dialogs->Messages(), (std::vector<std::string>{"2 styles without a name were not imported."}));
  ExpectMenus({"DEFAULTSTYLE", "An Overly Long Style"});

  dialogs->ReplyButton(platform::mrOk);
  Import({1});
  EXPECT_EQ(dialogs->Messages().back(), "A style without a name was not imported.");
  EXPECT_EQ(form().FStyleCount, 2);
}

// Fault mended: a global style file whose lines end in CR alone read as
// one line, so it showed no style and a write lost what it held.
TEST_F(GlobalStylesTest, AFileWhoseLinesEndInCrAloneIsReadLineByLine) {
  WriteFileBytes(GlobalFile(),
                 "[STYLES]\rGS0=LABELSTYLE\rGS1=LABELSTYLE\r"
                 "[GS0]\rSTYLENAME='Heading'\rSTYLE=5\rSIZE=14\rCOLOR=255\rNAME=Times New Roman\rALIGNMENT=LEFT\r"
                 "[GS1]\rSTYLENAME=Body\rSTYLE=2\rSIZE=10\rCOLOR=0\rNAME=\"Courier New\"\rALIGNMENT=\r");
  Import({0, 1});
  EXPECT_EQ(*program().StyleList.at(1), (TStyleRecord{0, "Heading", 5, 14, 255, "Times New Roman", "LEFT"}));
  EXPECT_EQ(*program().StyleList.at(2), (TStyleRecord{0, "Body", 2, 10, 0, "Courier New", ""}));
  ExpectMenus({"DEFAULTSTYLE", "Heading", "Body"});
  // Both names are found in the file; a new one is appended after them.
  AddStyle("Note", kBodyFont);
  for (int style = 1; style <= 3; ++style) form().MakeStyleGlobal1->Items(style)->Click();
  EXPECT_EQ(ReadFileBytes(GlobalFile()),
            "[STYLES]\r\nGS0=LABELSTYLE\r\nGS1=LABELSTYLE\r\nGS2=LABELSTYLE\r\n"
            "[GS0]\r\nSTYLENAME='Heading'\r\nSTYLE=5\r\nSIZE=14\r\nCOLOR=255\r\nNAME=Times New Roman\r\n"
            "ALIGNMENT=LEFT\r\n"
            "[GS1]\r\nSTYLENAME=Body\r\nSTYLE=2\r\nSIZE=10\r\nCOLOR=0\r\nNAME=\"Courier New\"\r\nALIGNMENT=\r\n"
            "[GS2]\r\nSTYLENAME=Note\r\nSTYLE=2\r\nSIZE=10\r\nCOLOR=-16777208\r\nNAME=Courier New\r\nALIGNMENT=\r\n");
  EXPECT_TRUE(Errors().empty());
}

TEST_F(GlobalStylesTest, AMissingFileShowsNothingAndStaysMissing) {
  modals->On("StylePreview", [](platform::TForm& shown) {
    auto& p = static_cast<designer::TStylePreview&>(shown);
    ASSERT_NE(p.Scrollbox1.Get(), nullptr);
    EXPECT_EQ(p.Scrollbox1->ControlCount(), 0);
    p.Button1->Click();
  });
  modals->Press("StyleSelectForm", "Button1");
  form().Global1->Click();
  EXPECT_EQ(form().FStyleCount, 1);
  EXPECT_FALSE(std::filesystem::exists(GlobalFile()));
  EXPECT_FALSE(form().FModified);
}

}  // namespace
}  // namespace tessel_test
