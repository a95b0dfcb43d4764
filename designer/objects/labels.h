#pragma once
// The label objects of a design: TStyledLabel, a static text in a named
// style (an "&" shows as itself), and TVariableLabel, a field the host or
// the engine fills, whose caption is its name in the template and the
// script.
#include <optional>
#include <string>

#include "designer/objects/word_tables.h"
#include "platform/controls/label.h"

namespace designer {

class TStyledLabel : public platform::TLabel {
 public:
  explicit TStyledLabel(platform::TComponent* owner);
  std::string StyleName;
};

class TVariableLabel : public platform::TLabel {
 public:
  explicit TVariableLabel(platform::TComponent* owner);

  std::string HighlightStyle;
  TVariableType VariableType = TVariableType::StringVar;
  std::string StyleName;
  hlType HighlightWhen = hlType::lessThan;
  // Holds text, or nothing.
  std::optional<std::string> HighlightValue;
  int32_t MasterVariable = 0;

  // The highlight value as text; nothing gives the empty text.
  std::string HighlightValueText() const { return HighlightValue.value_or(std::string()); }
  std::string HighlightWhenName() const { return HighlightWord(HighlightWhen); }
  // Any other word sets none.
  void SetHighlightWhenByName(const std::string& word);
  std::string VariableTypeName() const { return VariableTypeWord(VariableType); }
  // Any other word leaves the type as it is.
  void SetVariableTypeByName(const std::string& word);
  // Values the engine fills itself: # Pages, Page #, Date, Time, DateTime.
  bool IsSystemVariable() const;
};

}  // namespace designer
