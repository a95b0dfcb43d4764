#include "designer/objects/labels.h"

namespace designer {

TStyledLabel::TStyledLabel(platform::TComponent* owner) : platform::TLabel(owner) {
  SetFontName("Arial");
  SetFontSize(8);
  SetShowAccelChar(false);
}

TVariableLabel::TVariableLabel(platform::TComponent* owner) : platform::TLabel(owner) {
  SetFontName("Arial");
  SetFontSize(8);
}

void TVariableLabel::SetHighlightWhenByName(const std::string& word) {
  HighlightWhen = HighlightOfWord(word).value_or(hlType::none);
}

void TVariableLabel::SetVariableTypeByName(const std::string& word) {
  if (const std::optional<TVariableType> type = VariableTypeOfWord(word)) VariableType = *type;
}

bool TVariableLabel::IsSystemVariable() const {
  switch (VariableType) {
    case TVariableType::NumPagesVar:
    case TVariableType::PageNumVar:
    case TVariableType::DateVar:
    case TVariableType::TimeVar:
    case TVariableType::DateTimeVar: return true;
    default: return false;
  }
}

}  // namespace designer
