// Delete Style: the list and the seven submenus move together, a deleted
// style's record is free again, and a style the design uses stays.
#include <algorithm>

#include "designer/objects/image_region.h"
#include "designer/objects/rich_text_region.h"
#include "tests/designer_styles/styles_fixture.h"

namespace tessel_test {
namespace {

const platform::TFont kFontA{"Times New Roman", 14, 0x0000FF, platform::fsBold};
const platform::TFont kFontB{"Courier New", 10, 0x008000, platform::fsItalic};

using StyleDeleteTest = StylesTest;

TEST_F(StyleDeleteTest, LaterStylesMoveForwardInTheListAndEverySubmenu) {
  AddStyle("Heading", kFontA);
  AddStyle("Body", kFontB);
  designer::TRegion* region = Region(form().REPORT);
  designer::TStyledLabel* label = Label(region);
  program().CurrentObject = label;
  form().SelectStyle1->Items(0)->Click();  // the label uses DEFAULTSTYLE, not Heading
  form().FModified = false;

  form().DeleteStyle1->Items(1)->Click();
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"DEFAULTSTYLE", "Body"}));
  ExpectMenus({"DEFAULTSTYLE", "Body"});
  // Fault mended: Delete Style left the template unmarked.
  EXPECT_TRUE(form().FModified);
  form().SelectStyle1->Items(1)->Click();
  EXPECT_EQ(label->StyleName, "Body");
  EXPECT_EQ(label->DesignFont(), kFontB);
  EXPECT_TRUE(dialogs->Messages().empty());
}

// Fault mended: a deleted style's record was lost until the program ended,
// so every deletion lowered the number of styles a template could have.
TEST_F(StyleDeleteTest, ADeletedStylesRecordServesTheNextStyle) {
  for (int i = 1; i <= 10; ++i) AddStyle("Style" + std::to_string(i), kFontB);
  designer::TStyleRecord* freed = program().StyleList.at(3);
  form().DeleteStyle1->Items(3)->Click();
  EXPECT_EQ(form().FStyleCount, 10);
  ASSERT_EQ(program().StyleList.size(), 11u);
  EXPECT_EQ(program().StyleList.back(), freed) << "the record goes behind the styles in use";
  AddStyle("Heading", kFontA);
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(form().FStyleCount, 11);
  EXPECT_EQ(program().StyleList.at(10), freed);
  EXPECT_EQ(freed->Name, "Heading");
  EXPECT_EQ(freed->Alignment, "") << "nothing of the deleted style is left in its record";
  ExpectMenus(StyleNames());
  // Eleven in use is still the limit.
  form().Text2->Click();
  EXPECT_EQ(Errors(), (std::vector<std::string>{"List index out of bounds (11)"}));
}

TEST_F(StyleDeleteTest, TheDefaultStyleMayGoWhenNothingNeedsIt) {
  AddStyle("Heading", kFontA);
  form().DeleteStyle1->Items(0)->Click();
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"Heading"}));
  ExpectMenus({"Heading"});
}

// Fault mended: after the default style had been deleted, New wrote the
// default values into a record no longer in the list, and the first style
// in use kept its own values under the item "DEFAULTSTYLE".
TEST_F(StyleDeleteTest, NewAfterDeletingTheDefaultStyleUsesItFirst) {
  AddStyle("Heading", kFontA);
  AddStyle("Body", kFontB);
  form().DeleteStyle1->Items(0)->Click();
  ASSERT_EQ(StyleNames(), (std::vector<std::string>{"Heading", "Body"}));
  modals->Press("NotSavedForm", "Button2");
  modals->Press("ReportStyleForm", "BitBtn1");
  form().Blank1->Click();
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"DEFAULTSTYLE"}));
  const designer::TStyleRecord& first = *program().StyleList.at(0);
  EXPECT_EQ(first.Size, 8);
  EXPECT_EQ(first.StyleBits, 0);
  EXPECT_EQ(first.Alignment, "NONE");
  ExpectMenus({"DEFAULTSTYLE"});
  // Every record is still there, each once.
  std::vector<designer::TStyleRecord*> records = program().StyleList;
  std::sort(records.begin(), records.end());
  EXPECT_EQ(std::unique(records.begin(), records.end()), records.end());
  EXPECT_EQ(records.size(), 11u);
  // Ten more styles fit.
  for (int i = 1; i <= 10; ++i) AddStyle("Style" + std::to_string(i), kFontB);
  EXPECT_EQ(form().FStyleCount, 11);
  EXPECT_TRUE(Errors().empty());
}

// Fault mended: New gave the default style the global flag of the style
// that had moved into its record, and the next Make Style Global wrote
// "DEFAULTSTYLE" into the global style file for good.
TEST_F(StyleDeleteTest, NewAfterDeletingTheDefaultStyleGivesItNoOtherStylesGlobalFlag) {
  AddStyle("Heading", kFontA);
  form().MakeStyleGlobal1->Items(1)->Click();
  form().DeleteStyle1->Items(0)->Click();
  ASSERT_EQ(program().StyleList.at(0)->IsGlobal, 1);
  modals->Press("NotSavedForm", "Button2");
  modals->Press("ReportStyleForm", "BitBtn1");
  form().Blank1->Click();
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"DEFAULTSTYLE"}));
  EXPECT_EQ(program().StyleList.at(0)->IsGlobal, 0);
  EXPECT_TRUE(Errors().empty());
}

// Fault mended: a style still in use could be deleted; the saved template
// then loaded in the engine but never printed.
class StyleInUseTest : public StylesTest {
 protected:
  void SetUp() override {
    StylesTest::SetUp();
    AddStyle("Heading", kFontA);
    region_ = Region(form().REPORT);
  }
  // Deleting the style at index is refused with this message.
  void ExpectRefused(int index, const std::string& message) {
    dialogs->Clear();
    const std::vector<std::string> before = StyleNames();
    form().FModified = false;
    dialogs->ReplyButton(platform::mrOk);
    form().DeleteStyle1->Items(index)->Click();
    EXPECT_EQ(dialogs->Messages(), (std::vector<std::string>{message}));
    EXPECT_EQ(StyleNames(), before);
    ExpectMenus(before);
    EXPECT_FALSE(form().FModified);
  }
  designer::TRegion* region_ = nullptr;
};

TEST_F(StyleInUseTest, ALabelDeepInTheDesign) {
  designer::TRegion* repeat = Region(region_, designer::kModeRepeat);
  designer::TStyledLabel* label = Label(Place(repeat, designer::kModeShape));
  program().CurrentObject = label;
  form().SelectStyle1->Items(1)->Click();
  ExpectRefused(1, "Style Heading is used by " + label->Name() + " and cannot be deleted.");
  EXPECT_EQ(label->Name(), "TEXT1");
}

TEST_F(StyleInUseTest, AVariablesHighlightStyle) {
  designer::TVariableLabel* variable = Variable(region_);
  program().CurrentObject = variable;
  form().VarMainStyle->Items(0)->Click();
  form().VarHLStyle->Items(1)->Click();
  ExpectRefused(1, "Style Heading is used by VAR1 and cannot be deleted.");
}

TEST_F(StyleInUseTest, ControlsNamingNoStyleUseTheDefaultStyle) {
  designer::TStyledLabel* label = Label(region_);
  ExpectRefused(0, "Style DEFAULTSTYLE is used by " + label->Name() + " and cannot be deleted.");
  program().CurrentObject = label;
  form().SelectStyle1->Items(1)->Click();
  // A variable whose main style is set still looks its empty highlight
  // style up as the default style.
  designer::TVariableLabel* variable = Variable(region_);
  program().CurrentObject = variable;
  form().VarMainStyle->Items(1)->Click();
  ExpectRefused(0, "Style DEFAULTSTYLE is used by VAR1 and cannot be deleted.");
}

TEST_F(StyleInUseTest, RichTextFromAFileOrDynamicUsesTheDefaultStyle) {
  auto* richText = dynamic_cast<designer::TRichTextRegion*>(Place(region_, designer::kModeRichText));
  ASSERT_NE(richText, nullptr);
  richText->FStyleName = "Heading";
  // Direct text in its style.
  ExpectRefused(1, "Style Heading is used by " + richText->Name() + " and cannot be deleted.");
  // Direct text without a style.
  richText->FStyleName.clear();
  ExpectRefused(0, "Style DEFAULTSTYLE is used by " + richText->Name() + " and cannot be deleted.");
  // From a file, or named by the host: written without a style, whatever
  // the region names.
  richText->FStyleName = "Heading";
  richText->FRtfFile = "DYNAMIC";
  ExpectRefused(0, "Style DEFAULTSTYLE is used by " + richText->Name() + " and cannot be deleted.");
  form().DeleteStyle1->Items(1)->Click();
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"DEFAULTSTYLE"}));
}

TEST_F(StyleInUseTest, ImagesAndEmptyRegionsUseNoStyle) {
  Place(region_, designer::kModeImage);
  Region(region_, designer::kModeRepeat);
  form().DeleteStyle1->Items(0)->Click();
  EXPECT_TRUE(dialogs->Messages().empty());
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"Heading"}));
}

TEST_F(StyleInUseTest, AnotherStyleOfTheSameNameStillServes) {
  designer::TStyledLabel* label = Label(region_);
  program().CurrentObject = label;
  form().SelectStyle1->Items(1)->Click();
  // Two styles of one name, as an old template may hold.
  AddStyle("Spare", kFontB);
  program().StyleList.at(2)->Name = "Heading";
  form().DeleteStyle1->Items(1)->Click();
  EXPECT_TRUE(dialogs->Messages().empty());
  EXPECT_EQ(StyleNames(), (std::vector<std::string>{"DEFAULTSTYLE", "Heading"}));
}

}  // namespace
}  // namespace tessel_test
