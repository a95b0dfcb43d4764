// The variable popup: Toggle Master, the highlight rule and value, and Get
// Variable Info.
#include "designer/dialogs/variable_info.h"
#include "tests/designer_properties/properties_fixture.h"

namespace tessel_test {
namespace {

using VariableCommandsTest = PropertiesTest;

TEST_F(VariableCommandsTest, ToggleMasterKeepsOneMasterPerContainer) {
  designer::TRegion* region = FixedRegion();
  designer::TVariableLabel* first = Variable(region, "string", 10);
  designer::TVariableLabel* second = Variable(region, "string", 100);
  designer::TRegion* nested = FixedRegion(region);
  designer::TVariableLabel* inner = Variable(nested, "string", 10);
  ASSERT_NE(inner, nullptr);
  inner->MasterVariable = 1;

  Pick(first);
  dialogs->ReplyButton(platform::mrOk);
  Choose("SettoMaster1");
  Pick(second);
  dialogs->ReplyButton(platform::mrOk);
  Choose("SettoMaster1");
  EXPECT_EQ(first->MasterVariable, 0);
  EXPECT_EQ(second->MasterVariable, 1);
  EXPECT_EQ(inner->MasterVariable, 1) << "variables of a nested region are not affected";
  dialogs->ReplyButton(platform::mrOk);
  Choose("SettoMaster1");
  EXPECT_EQ(second->MasterVariable, 0);
  EXPECT_EQ(dialogs->Messages(), (std::vector<std::string>{"VAR1 will now be the master variable.",
                                                           "VAR2 will now be the master variable.",
                                                           "VAR2 will no longer be the master variable."}));
}

TEST_F(VariableCommandsTest, HighlightWhenItemsStoreTheirRule) {
  designer::TVariableLabel* variable = Variable(FixedRegion());
  Pick(variable);
  EXPECT_EQ(variable->HighlightWhen, designer::hlType::none);
  const std::vector<std::pair<std::string, std::string>> items = {
      {"LessThan1", "lessThan"},
      {"GreaterThan1", "greaterThan"},
      {"EqualTo1", "equals"},
      {"NotEqualTo1", "notEqual"},
      {"GreaterThanorEqualTo1", "greaterThanEquals"},
      {"LessThanorEqualTo1", "lessThanEquals"},
      {"MasterisHighlighted1", "masterHighlighted"},
      {"DoNotHighlight1", "none"}};
  designer::TVariableInfo& info = *program().VariableInfo;
  for (const auto& [item, word] : items) {
    Choose(item);
    EXPECT_EQ(variable->HighlightWhenName(), word) << item;
    modals->On("VariableInfo", [&info, word = word](platform::TForm&) {
      EXPECT_EQ(info.hlWhen->Caption(), word);
      info.BitBtn1->Click();
    });
    Choose("GetVariableInfo1");
  }
}

TEST_F(VariableCommandsTest, GetVariableInfoShowsEveryField) {
  designer::TRegion* region = FixedRegion();
  designer::TVariableLabel* variable = Variable(region, "floatingPoint");
  Pick(variable);
  variable->StyleName = "DEFAULTSTYLE";
  variable->HighlightStyle = "Red & Bold";
  variable->HighlightValue = "2.5";
  dialogs->ReplyButton(platform::mrOk);
  Choose("SettoMaster1");
  Choose("GreaterThanorEqualTo1");
  designer::TVariableInfo& info = *program().VariableInfo;
  modals->On("VariableInfo", [&](platform::TForm& shown) {
    EXPECT_EQ(shown.Caption(), "Variable Information");
    EXPECT_EQ(info.VariableName->Caption(), "VAR1");
    EXPECT_EQ(info.VariableType->Caption(), "floatingPoint");
    EXPECT_EQ(info.MainStyle->Caption(), "DEFAULTSTYLE");
    EXPECT_EQ(info.HighlightStyle->DisplayText(), "Red & Bold");
    EXPECT_EQ(info.hlWhen->Caption(), "greaterThanEquals");
    EXPECT_EQ(info.hlValue->Caption(), "2.5");
    EXPECT_EQ(info.hlValue->Top(), info.hlWhen->Top()) << "one row";
    EXPECT_GT(info.hlValue->Left(), info.hlWhen->Left());
    EXPECT_EQ(info.mvValue->Caption(), "YES");
    info.BitBtn1->Click();
  });
  Choose("GetVariableInfo1");

  designer::TVariableLabel* page = Variable(region, "Page #", 200);
  Pick(page);
  modals->On("VariableInfo", [&](platform::TForm&) {
    EXPECT_EQ(info.VariableName->Caption(), "VAR2");
    EXPECT_EQ(info.VariableType->Caption(), "Page #");
    EXPECT_EQ(info.hlWhen->Caption(), "none");
    EXPECT_EQ(info.hlValue->Caption(), "");
    EXPECT_EQ(info.mvValue->Caption(), "NO");
    info.BitBtn1->Click();
  });
  Choose("GetVariableInfo1");
}

TEST_F(VariableCommandsTest, EditHighlightValueStoresTextAndNamesTheVariableByItsCaption) {
  designer::TVariableLabel* variable = Variable(FixedRegion());
  Pick(variable);
  dialogs->ReplyText("Smith & Co");
  Choose("EditHighlightValue1");
  EXPECT_EQ(variable->HighlightValueText(), "Smith & Co");
  const platform::DialogRequest& asked = LastRequest();
  EXPECT_EQ(asked.caption, "Variable");
  EXPECT_EQ(asked.text, "Type Highlight Value");
  EXPECT_EQ(asked.value, "");

  // After Caps the caption differs from the name; the value command makes
  // the name follow it.
  Choose("InitialCaps2");
  variable->SetCaption("Net_Total");
  dialogs->ReplyCancel();
  Choose("EditHighlightValue1");
  EXPECT_EQ(LastRequest().value, "Smith & Co");
  EXPECT_EQ(variable->HighlightValueText(), "Smith & Co");
  EXPECT_EQ(variable->Name(), "Net_Total");
}

TEST_F(VariableCommandsTest, NumberVariablesRefuseValuesTheEngineCannotRead) {
  designer::TRegion* region = FixedRegion();
  designer::TVariableLabel* whole = Variable(region, "integer", 10);
  designer::TVariableLabel* real = Variable(region, "floatingPoint", 100);
  Pick(whole);
  for (const char* taken : {"42", "-7", "$1F", ""}) {
    dialogs->ReplyText(taken);
    Choose("EditHighlightValue1");
    EXPECT_EQ(whole->HighlightValueText(), taken);
  }
  dialogs->ReplyText("12");
  Choose("EditHighlightValue1");
  for (const char* refused : {"abc", "1.5", "4000000000", "12 "}) {
    dialogs->Clear();
    dialogs->ReplyText(refused);
    dialogs->ReplyButton(platform::mrOk);
    Choose("EditHighlightValue1");
    EXPECT_EQ(whole->HighlightValueText(), "12") << '"' << refused << '"';
    EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{"'" + std::string(refused) +
                                                            "' is not a valid integer value"});
  }

  Pick(real);
  for (const char* taken : {"2.5", "2,5", "-1E3", "7", ""}) {
    dialogs->ReplyText(taken);
    Choose("EditHighlightValue1");
    EXPECT_EQ(real->HighlightValueText(), taken);
  }
  dialogs->ReplyText("0.25");
  Choose("EditHighlightValue1");
  for (const char* refused : {"x", "1,5.3", "1.2.3", "NaN"}) {
    dialogs->Clear();
    dialogs->ReplyText(refused);
    dialogs->ReplyButton(platform::mrOk);
    Choose("EditHighlightValue1");
    EXPECT_EQ(real->HighlightValueText(), "0.25") << '"' << refused << '"';
    EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{"'" + std::string(refused) +
                                                            "' is not a valid floating point value"});
  }

  // Text variables compare text: anything goes.
  designer::TVariableLabel* text = Variable(region, "string", 200);
  Pick(text);
  dialogs->ReplyText("1,5.3");
  Choose("EditHighlightValue1");
  EXPECT_EQ(text->HighlightValueText(), "1,5.3");
}

}  // namespace
}  // namespace tessel_test
