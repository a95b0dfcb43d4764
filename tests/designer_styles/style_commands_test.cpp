// Adding, selecting and modifying text styles through their commands, with
// the seven style submenus kept in step with the style list.
#include "designer/objects/image_region.h"
#include "designer/objects/rich_text_region.h"
#include "designer/objects/shape_region.h"
#include "tests/designer_styles/styles_fixture.h"

namespace tessel_test {
namespace {

using designer::TStyleRecord;

const platform::TFont kHeadingFont{"Times New Roman", 14, 0x0000FF, platform::fsBold | platform::fsUnderline};
const platform::TFont kBodyFont{"Courier New", 10, 0x008000, platform::fsItalic};
const platform::TFont kChangedFont{"Georgia", 20, 0xFF0000, platform::fsStrikeOut};

using StyleCommandsTest = StylesTest;

TEST_F(StyleCommandsTest, AddTextStyleAppendsTheStyleAndItsSevenItems) {
  AddStyle("Heading", kHeadingFont);
  ExpectMenus({"DEFAULTSTYLE", "Heading"});
  EXPECT_EQ(form().FStyleCount, 2);
  // A record never used has an empty alignment.
  EXPECT_EQ(*program().StyleList.at(1), (TStyleRecord{0, "Heading", 5, 14, 0x0000FF, "Times New Roman", ""}));
  EXPECT_TRUE(form().FModified);
  EXPECT_FALSE(program().StyleForm->Edit1->Enabled()) << "the name field is disabled again";

  // The next style starts from the font last shown in the dialog.
  modals->On("StyleForm", [](platform::TForm& shown) {
    auto& dialog = static_cast<designer::TStyleForm&>(shown);
    EXPECT_TRUE(dialog.Edit1->Enabled());
    EXPECT_EQ(dialog.Edit1->Text(), "");
    EXPECT_FALSE(dialog.BitBtn1->Enabled());
    EXPECT_EQ(dialog.Label7->Caption(), "Times New Roman");
    dialog.Edit1->SetText("Body");
    dialog.BitBtn1->Click();
  });
  form().Text2->Click();
  ExpectMenus({"DEFAULTSTYLE", "Heading", "Body"});
  EXPECT_EQ(program().StyleList.at(2)->FontName, "Times New Roman");
}

TEST_F(StyleCommandsTest, ANameOfTwentyFiveCharactersIsStoredAndShownWithTwenty) {
  AddStyle("ABCDEFGHIJKLMNOPQRSTUVWXY", kBodyFont);
  ExpectMenus({"DEFAULTSTYLE", "ABCDEFGHIJKLMNOPQRST"});
  EXPECT_EQ(program().StyleList.at(1)->Name, "ABCDEFGHIJKLMNOPQRST");
}

TEST_F(StyleCommandsTest, CancelledAddAddsNothingButMarksTheTemplate) {
  modals->Press("StyleForm", "BitBtn2");
  form().Text2->Click();
  ExpectMenus({"DEFAULTSTYLE"});
  EXPECT_EQ(form().FStyleCount, 1);
  EXPECT_TRUE(form().FModified);
}

// Fault mended: two styles of one name were allowed, and the engine printed
// every control of that name in the first of them, whatever the designer
// showed.
TEST_F(StyleCommandsTest, AddTextStyleRefusesANameInUse) {
  AddStyle("Heading", kHeadingFont);
  form().FModified = false;
  AddStyle("Heading", kBodyFont, true);
  EXPECT_EQ(dialogs->Messages(), (std::vector<std::string>{"A style named Heading exists already."}));
  ExpectMenus({"DEFAULTSTYLE", "Heading"});
  EXPECT_EQ(program().StyleList.at(1)->FontName, "Times New Roman");
  // The name cut to 20 characters is the name compared.
  AddStyle("ABCDEFGHIJKLMNOPQRST", kBodyFont);
  AddStyle("ABCDEFGHIJKLMNOPQRSTUVW", kBodyFont, true);
  EXPECT_EQ(dialogs->Messages().back(), "A style named ABCDEFGHIJKLMNOPQRST exists already.");
  // Names are compared as the engine compares them, case included.
  AddStyle("heading", kBodyFont);
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"DEFAULTSTYLE", "Heading", "ABCDEFGHIJKLMNOPQRST", "heading"}));
  ExpectMenus(StyleNames());
}

// Fault mended: Change Font, even cancelled, enabled OK for a name of
// blanks; OK then stored nothing, yet a style was counted, with an empty
// item in every style menu and an empty STYLENAME in the saved template.
// The typed name is tested as it will be stored, whichever path enables OK.
TEST_F(StyleCommandsTest, ANameThatStoresAsNoneNeverAddsAStyle) {
  const std::vector<std::string> noNames = {"", "   ", "\"\"", "\"  \"", std::string(20, ' ') + "Body"};
  for (const std::string& typed : noNames) {
    dialogs->ReplyCancel();
    dialogs->Reply(FontReply(kHeadingFont));
    modals->On("StyleForm", [typed](platform::TForm& shown) {
      auto& dialog = static_cast<designer::TStyleForm&>(shown);
      dialog.Edit1->SetText(typed);
      EXPECT_FALSE(dialog.BitBtn1->Enabled()) << "typed";
      dialog.Button1->Click();  // the font dialog cancelled
      EXPECT_FALSE(dialog.BitBtn1->Enabled()) << "after a cancelled Change Font";
      dialog.Button1->Click();  // a font chosen
      EXPECT_FALSE(dialog.BitBtn1->Enabled()) << "after Change Font";
      dialog.Activate();
      EXPECT_FALSE(dialog.BitBtn1->Enabled()) << "shown again";
      dialog.BitBtn1->Click();
      // Even pressed, OK neither writes nor ends the dialog with OK.
      dialog.BitBtn1Click(&dialog);
      EXPECT_NE(dialog.ModalResult(), platform::mrOk);
    });
    form().Text2->Click();
    EXPECT_EQ(form().FStyleCount, 1) << "[" << typed << "]";
    EXPECT_EQ(*program().StyleList.at(1), TStyleRecord{}) << "[" << typed << "]";
  }
  ExpectMenus({"DEFAULTSTYLE"});
  EXPECT_TRUE(modals->AllUsed());
  EXPECT_TRUE(dialogs->AllUsed());

  form().FFileName = WindowsPath("styles.qnf");
  form().Save1->Click();
  const std::string saved = ReadFileBytes(folder() + "/styles.qnf");
  EXPECT_NE(saved.find("[STYLES]\r\nRS0=LABELSTYLE\r\n[RS0]\r\nSTYLENAME=DEFAULTSTYLE\r\n"), std::string::npos)
      << saved;
  EXPECT_EQ(saved.find("RS1"), std::string::npos) << saved;
  EXPECT_EQ(saved.find("STYLENAME=\r\n"), std::string::npos) << saved;

  // A name with something in its first 20 characters: OK as ever.
  AddStyle("  Body  ", kBodyFont);
  ExpectMenus({"DEFAULTSTYLE", "Body"});
}

TEST_F(StyleCommandsTest, TheTwelfthStyleReportsTheListIndexError) {
  for (int i = 1; i <= 10; ++i) AddStyle("Style" + std::to_string(i), kBodyFont);
  ASSERT_EQ(form().FStyleCount, 11);
  form().FModified = false;
  const std::size_t shownBefore = modals->Shown().size();
  form().Text2->Click();
  EXPECT_EQ(Errors(), (std::vector<std::string>{"List index out of bounds (11)"}));
  EXPECT_EQ(modals->Shown().size(), shownBefore) << "the style dialog is not shown";
  EXPECT_EQ(form().FStyleCount, 11);
  EXPECT_EQ(form().SelectStyle1->Count(), 11);
  EXPECT_FALSE(program().StyleForm->Edit1->Enabled());
  EXPECT_FALSE(form().FModified);
}

class SelectStyleTest : public StylesTest {
 protected:
  void SetUp() override {
    StylesTest::SetUp();
    Activate();  // binds the paragraph dialog's first item; zoom level -1
    AddStyle("Heading", kHeadingFont);
    region_ = Region(form().REPORT);
  }
  designer::TRegion* region_ = nullptr;
};

TEST_F(SelectStyleTest, LabelTakesTheStyleAtTheDesignScale) {
  designer::TStyledLabel* label = Label(region_);
  ASSERT_NE(label, nullptr);
  program().CurrentObject = label;
  ASSERT_EQ(program().ZoomLevel, -1);
  form().SelectStyle1->Items(1)->Click();
  EXPECT_EQ(label->StyleName, "Heading");
  EXPECT_EQ(label->DesignFont(), kHeadingFont);
  EXPECT_EQ(program().ZoomLevel, -1);
  // Not a text label: nothing happens.
  designer::TVariableLabel* variable = Variable(region_);
  program().CurrentObject = variable;
  form().SelectStyle1->Items(1)->Click();
  EXPECT_EQ(variable->StyleName, "");
}

TEST_F(SelectStyleTest, VariableMainAndHighlightStyles) {
  designer::TVariableLabel* variable = Variable(region_);
  ASSERT_NE(variable, nullptr);
  program().CurrentObject = variable;
  const platform::TFont before = variable->DesignFont();
  form().VarHLStyle->Items(1)->Click();
  EXPECT_EQ(variable->HighlightStyle, "Heading");
  EXPECT_EQ(variable->StyleName, "");
  EXPECT_EQ(variable->DesignFont(), before) << "the highlight style does not change the font";
  form().VarMainStyle->Items(1)->Click();
  EXPECT_EQ(variable->StyleName, "Heading");
  EXPECT_EQ(variable->DesignFont(), kHeadingFont);
  form().VarMainStyle->Items(0)->Click();
  EXPECT_EQ(variable->StyleName, "DEFAULTSTYLE");
  EXPECT_EQ(variable->HighlightStyle, "Heading");
  EXPECT_EQ(variable->DesignFont(), (platform::TFont{"Arial", 8, 0, 0}));
}

TEST_F(SelectStyleTest, ParagraphStyleGoesToTheMemoAndTheRegion) {
  auto* richText = dynamic_cast<designer::TRichTextRegion*>(Place(region_, designer::kModeRichText));
  ASSERT_NE(richText, nullptr);
  program().CurrentObject = richText;
  designer::TParagraphForm& paragraph = *program().ParagraphForm;
  paragraph.SelectStyle1->Items(1)->Click();
  EXPECT_EQ(paragraph.Memo->DesignFont(), kHeadingFont);
  EXPECT_EQ(paragraph.CurrentStyleName, "Heading");
  EXPECT_EQ(richText->FStyleName, "Heading");
  // The item made with the dialog works like the others.
  paragraph.SelectStyle1->Items(0)->Click();
  EXPECT_EQ(paragraph.CurrentStyleName, "DEFAULTSTYLE");
  EXPECT_EQ(richText->FStyleName, "DEFAULTSTYLE");
  EXPECT_EQ(paragraph.Memo->DesignFont().Name, "Arial");
}

class ModifyStyleTest : public StylesTest {
 protected:
  designer::TStyledLabel* OrphanLabel(platform::TWinControl* parent, const std::string& name) {
    // Image and rich-text regions take no objects; a design read from a
    // hand-made template can still put one there.
    auto* label = new designer::TStyledLabel(form().REPORT);
    label->SetName(name);
    label->SetParent(parent);
    label->StyleName = "Heading";
    return label;
  }
};

TEST_F(ModifyStyleTest, ReappliedAtEveryDepthOfFixedTitleRepeatAndShapeRegions) {
  Activate();
  AddStyle("Heading", kHeadingFont);
  AddStyle("Body", kBodyFont);
  designer::TRegion* fixed = Region(form().REPORT);
  designer::TRegion* repeat = Region(fixed, designer::kModeRepeat);
  designer::TRegion* title = Region(repeat, designer::kModeTitle);
  auto* shape = dynamic_cast<designer::TShapeRegion*>(Place(title, designer::kModeShape));
  ASSERT_TRUE(fixed && repeat && title && shape);
  std::vector<designer::TStyledLabel*> users;
  for (platform::TControl* container : std::vector<platform::TControl*>{fixed, repeat, title, shape}) {
    designer::TStyledLabel* label = Label(container);
    program().CurrentObject = label;
    form().SelectStyle1->Items(1)->Click();
    users.push_back(label);
  }
  designer::TVariableLabel* mainUser = Variable(shape);
  program().CurrentObject = mainUser;
  form().VarMainStyle->Items(1)->Click();
  designer::TVariableLabel* highlightOnly = Variable(title);
  program().CurrentObject = highlightOnly;
  form().VarMainStyle->Items(2)->Click();
  form().VarHLStyle->Items(1)->Click();
  designer::TStyledLabel* other = Label(fixed);
  program().CurrentObject = other;
  form().SelectStyle1->Items(2)->Click();
  auto* image = dynamic_cast<designer::TImageRegion*>(Place(repeat, designer::kModeImage));
  auto* richText = dynamic_cast<designer::TRichTextRegion*>(Place(repeat, designer::kModeRichText));
  ASSERT_TRUE(image && richText);
  designer::TStyledLabel* inImage = OrphanLabel(image, "Orphan1");
  designer::TStyledLabel* inRichText = OrphanLabel(richText, "Orphan2");
  richText->FStyleName = "Heading";
  const platform::TFont richTextFont = richText->DesignFont();
  const platform::TFont orphanFont = inImage->DesignFont();

  form().FModified = false;
  ASSERT_EQ(program().ZoomLevel, -1);
  ModifyStyle(1, kChangedFont);
  EXPECT_EQ(*program().StyleList.at(1), (TStyleRecord{0, "Heading", 8, 20, 0xFF0000, "Georgia", ""}));
  for (designer::TStyledLabel* label : users) EXPECT_EQ(label->DesignFont(), kChangedFont) << label->Name();
  EXPECT_EQ(mainUser->DesignFont(), kChangedFont);
  EXPECT_EQ(highlightOnly->DesignFont(), kBodyFont) << "named only as highlight style";
  EXPECT_EQ(other->DesignFont(), kBodyFont);
  EXPECT_EQ(inImage->DesignFont(), orphanFont);
  EXPECT_EQ(inRichText->DesignFont(), orphanFont);
  EXPECT_EQ(richText->DesignFont(), richTextFont) << "a rich-text region keeps its font";
  EXPECT_EQ(program().ZoomLevel, -1);
  EXPECT_TRUE(form().FModified);
  ExpectMenus({"DEFAULTSTYLE", "Heading", "Body"});
}

TEST_F(ModifyStyleTest, TheDialogShowsTheStyleAndKeepsItsName) {
  AddStyle("Heading", kHeadingFont);
  program().StyleList.at(1)->IsGlobal = 1;
  program().StyleList.at(1)->Alignment = "LEFT";
  dialogs->Reply(FontReply(kChangedFont));
  modals->On("StyleForm", [](platform::TForm& shown) {
    auto& dialog = static_cast<designer::TStyleForm&>(shown);
    EXPECT_FALSE(dialog.Edit1->Enabled());
    EXPECT_EQ(dialog.Edit1->Text(), "Heading");
    EXPECT_TRUE(dialog.BitBtn1->Enabled());
    EXPECT_EQ(dialog.Label7->Caption(), "Times New Roman");
    EXPECT_EQ(dialog.Label9->Caption(), "14");
    EXPECT_TRUE(dialog.CheckBox1->Checked());
    EXPECT_TRUE(dialog.CheckBox3->Checked());
    dialog.Button1->Click();
    dialog.BitBtn1->Click();
  });
  form().ModifyStyle1->Items(1)->Click();
  EXPECT_EQ(dialogs->Requests().back().font, kHeadingFont) << "the font dialog opens on the style's font";
  EXPECT_EQ(*program().StyleList.at(1), (TStyleRecord{0, "Heading", 8, 20, 0xFF0000, "Georgia", "LEFT"}));
}

// Fault mended: modifying a style that no control used left the template
// unmarked, so closing it lost the change.
TEST_F(ModifyStyleTest, AnUnusedStyleMarksTheTemplateAndCancelChangesNothing) {
  AddStyle("Heading", kHeadingFont);
  form().FModified = false;
  modals->Press("StyleForm", "BitBtn2");
  form().ModifyStyle1->Items(1)->Click();
  EXPECT_EQ(program().StyleList.at(1)->FontName, "Times New Roman");
  EXPECT_FALSE(form().FModified);
  ModifyStyle(1, kChangedFont);
  EXPECT_EQ(program().StyleList.at(1)->FontName, "Georgia");
  EXPECT_TRUE(form().FModified);
}

}  // namespace
}  // namespace tessel_test
