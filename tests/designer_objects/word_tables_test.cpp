// The words of variable types and highlight conditions, and the variable
// label's setters built on them.
#include "designer/objects/labels.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {
namespace {

using designer::hlType;
using designer::TVariableType;

TEST(WordTables, VariableTypeWordsRoundTripWithRegardToCase) {
  const std::vector<std::pair<TVariableType, std::string>> words = {
      {TVariableType::StringVar, "string"},       {TVariableType::IntegerVar, "integer"},
      {TVariableType::FloatingPointVar, "floatingPoint"}, {TVariableType::NumPagesVar, "# Pages"},
      {TVariableType::PageNumVar, "Page #"},      {TVariableType::DateVar, "Date"},
      {TVariableType::TimeVar, "Time"},           {TVariableType::DateTimeVar, "DateTime"}};
  for (const auto& [type, word] : words) {
    EXPECT_EQ(designer::VariableTypeWord(type), word);
    EXPECT_EQ(designer::VariableTypeOfWord(word), type);
  }
  EXPECT_EQ(designer::VariableTypeOfWord("date"), std::nullopt);
  EXPECT_EQ(designer::VariableTypeOfWord("PAGE #"), std::nullopt);
  EXPECT_EQ(designer::VariableTypeOfWord("image"), std::nullopt);
  EXPECT_EQ(designer::VariableTypeWord(static_cast<TVariableType>(9)), "");
}

TEST(WordTables, HighlightWordsAreTheEnumeratorNames) {
  const std::vector<std::string> words = {"lessThan",       "greaterThan",       "equals",
                                          "notEqual",       "lessThanEquals",    "greaterThanEquals",
                                          "masterHighlighted", "none"};
  for (std::size_t i = 0; i < words.size(); ++i) {
    EXPECT_EQ(designer::HighlightWord(static_cast<hlType>(i)), words[i]);
    EXPECT_EQ(designer::HighlightOfWord(words[i]), static_cast<hlType>(i));
  }
  EXPECT_EQ(designer::HighlightOfWord("Equals"), std::nullopt);
}

using VariableLabelTest = DesignerTest;

TEST_F(VariableLabelTest, Setters) {
  designer::TVariableLabel variable(form().REPORT);
  variable.SetVariableTypeByName("Page #");
  EXPECT_EQ(variable.VariableType, TVariableType::PageNumVar);
  variable.SetVariableTypeByName("# Pages");
  EXPECT_EQ(variable.VariableType, TVariableType::NumPagesVar);
  for (const char* other : {"page #", "image", ""}) {
    variable.SetVariableTypeByName(other);
    EXPECT_EQ(variable.VariableType, TVariableType::NumPagesVar) << other;
  }
  variable.SetHighlightWhenByName("masterHighlighted");
  EXPECT_EQ(variable.HighlightWhen, hlType::masterHighlighted);
  variable.SetHighlightWhenByName("Equals");
  EXPECT_EQ(variable.HighlightWhen, hlType::none);
  EXPECT_EQ(variable.HighlightWhenName(), "none");
  EXPECT_EQ(variable.HighlightValueText(), "");
  variable.HighlightValue = "12";
  EXPECT_EQ(variable.HighlightValueText(), "12");
}

TEST_F(VariableLabelTest, SystemVariables) {
  designer::TVariableLabel variable(form().REPORT);
  const std::vector<std::pair<TVariableType, bool>> cases = {
      {TVariableType::StringVar, false},  {TVariableType::IntegerVar, false}, {TVariableType::FloatingPointVar, false},
      {TVariableType::NumPagesVar, true}, {TVariableType::PageNumVar, true},  {TVariableType::DateVar, true},
      {TVariableType::TimeVar, true},     {TVariableType::DateTimeVar, true}};
  for (const auto& [type, system] : cases) {
    variable.VariableType = type;
    EXPECT_EQ(variable.IsSystemVariable(), system) << static_cast<int>(type);
  }
}

TEST_F(VariableLabelTest, LabelsAreArialEightAndShowAmpersandsAsThey) {
  designer::TStyledLabel label(form().REPORT);
  designer::TVariableLabel variable(form().REPORT);
  EXPECT_EQ(label.Font().Name, "Arial");
  EXPECT_EQ(label.Font().Size, 8);
  EXPECT_EQ(variable.Font().Name, "Arial");
  label.SetCaption("R&D");
  variable.SetCaption("R&D");
  EXPECT_EQ(label.DisplayText(), "R&D");
  EXPECT_EQ(variable.DisplayText(), "RD");
}

}  // namespace
}  // namespace tessel_test
