// The text label's popup: Edit Text, the Caps commands (on labels and on a
// variable's caption) and Get Info.
#include "designer/dialogs/label_info.h"
#include "tests/designer_properties/properties_fixture.h"

namespace tessel_test {
namespace {

using LabelCommandsTest = PropertiesTest;

TEST_F(LabelCommandsTest, EditTextAsksWithTheCaptionAndCancelKeepsIt) {
  auto* label = Place<designer::TStyledLabel>(FixedRegion(), designer::kModeText);
  ASSERT_NE(label, nullptr);
  Pick(label);
  dialogs->ReplyText("Net & Gross");
  Choose("EditText1");
  EXPECT_EQ(label->Caption(), "Net & Gross");
  const platform::DialogRequest& asked = LastRequest();
  EXPECT_EQ(asked.kind, platform::DialogRequest::Kind::Input);
  EXPECT_EQ(asked.caption, "Text");
  EXPECT_EQ(asked.text, "Type New Text");
  EXPECT_EQ(asked.value, "TEXT1");

  dialogs->ReplyCancel();
  Choose("EditText1");
  EXPECT_EQ(label->Caption(), "Net & Gross");
  EXPECT_EQ(LastRequest().value, "Net & Gross");
}

TEST_F(LabelCommandsTest, CaseCommandsTouchOnlyAsciiLetters) {
  auto* label = Place<designer::TStyledLabel>(FixedRegion(), designer::kModeText);
  Pick(label);
  label->SetCaption("na\xEFve caf\xE9 total");  // Windows-1252 letters stay as they are
  Choose("Uppercase1");
  EXPECT_EQ(label->Caption(), "NA\xEFVE CAF\xE9 TOTAL");
  label->SetCaption("SUM \xC9T\xC9 Of 3");
  Choose("Lowercase1");
  EXPECT_EQ(label->Caption(), "sum \xC9t\xC9 of 3");
  label->SetCaption("\xE9t\xE9 x");
  Choose("InitialCaps1");
  EXPECT_EQ(label->Caption(), "\xE9t\xE9 X");
  EXPECT_EQ(label->Name(), "TEXT1") << "case commands change the text only";
}

TEST_F(LabelCommandsTest, InitialCaps) {
  auto* label = Place<designer::TStyledLabel>(FixedRegion(), designer::kModeText);
  Pick(label);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"net sales total", "Net Sales Total"},
      {"a", "A"},
      {"two  words here", "Two  Words Here"},
      {"mIxEd cASE", "MIxEd CASE"},  // the others stay as they are
      {" lead", " Lead"},
      {"trailing ", "Trailing "},
      {"", ""}};
  for (const auto& [before, after] : cases) {
    label->SetCaption(before);
    Choose("InitialCaps1");
    EXPECT_EQ(label->Caption(), after) << '"' << before << '"';
  }
}

TEST_F(LabelCommandsTest, CapsOfTheVariableMenuChangeTheCaptionOnly) {
  designer::TVariableLabel* variable = Variable(FixedRegion());
  ASSERT_NE(variable, nullptr);
  Pick(variable);
  variable->SetCaption("net sales");
  Choose("InitialCaps2");
  EXPECT_EQ(variable->Caption(), "Net Sales");
  Choose("Uppercase2");
  EXPECT_EQ(variable->Caption(), "NET SALES");
  Choose("Lowercase2");
  EXPECT_EQ(variable->Caption(), "net sales");
  EXPECT_EQ(variable->Name(), "VAR1");
}

TEST_F(LabelCommandsTest, GetInfoShowsNameStyleAndTextLiterally) {
  auto* label = Place<designer::TStyledLabel>(FixedRegion(), designer::kModeText);
  Pick(label);
  label->SetCaption("Profit && Loss & more");
  label->StyleName = "DEFAULTSTYLE";
  designer::TLabelInfo& info = *program().LabelInfo;
  info.SetCaption("something else");
  modals->On("LabelInfo", [&](platform::TForm& shown) {
    EXPECT_EQ(shown.Caption(), "Label Information");
    EXPECT_EQ(info.LabelName->Caption(), "TEXT1");
    EXPECT_EQ(info.LabelStyle->Caption(), "DEFAULTSTYLE");
    EXPECT_EQ(info.LabelText->Caption(), "Profit && Loss & more");
    EXPECT_EQ(info.LabelText->DisplayText(), "Profit && Loss & more") << "no accelerator marks";
    info.BitBtn1->Click();
  });
  Choose("GetInfo1");
  EXPECT_EQ(modals->Shown(), std::vector<std::string>{"LabelInfo"});
}

TEST_F(LabelCommandsTest, InformationDialogsAreLaidOutAsRows) {
  designer::TLabelInfo& info = *program().LabelInfo;
  const std::vector<std::pair<std::string, platform::TLabel*>> rows = {
      {"Name:", info.LabelName}, {"Style:", info.LabelStyle}, {"Text:", info.LabelText}};
  for (const auto& [caption, value] : rows) {
    // The row's caption stands left of its value, on the same line.
    platform::TLabel* captionLabel = nullptr;
    for (int i = 0; i < info.ControlCount(); ++i) {
      auto* candidate = dynamic_cast<platform::TLabel*>(info.Controls(i));
      if (candidate && candidate->Caption() == caption) captionLabel = candidate;
    }
    ASSERT_NE(captionLabel, nullptr) << caption;
    EXPECT_EQ(captionLabel->Top(), value->Top()) << caption;
    EXPECT_LT(captionLabel->Left() + captionLabel->Width(), value->Left()) << caption;
    EXPECT_FALSE(value->ShowAccelChar()) << caption;
  }
  EXPECT_EQ(info.Position(), platform::TPosition::poScreenCenter);
}

}  // namespace
}  // namespace tessel_test
