// The variable popup: master flag, highlight rule and value, and the
// variable's information. Its name and caps commands are the rename and
// label commands.
#include <array>

#include "designer/dialogs/variable_info.h"
#include "designer/main_window/form1.h"
#include "designer/objects/labels.h"
#include "designer/properties/current_object.h"
#include "designer/properties/highlight_value_check.h"
#include "platform/dialogs/dialog_service.h"

namespace designer {
namespace {

// The rules of the Highlight When items, by their place in the submenu.
constexpr std::array<hlType, 8> kRuleOfItem = {hlType::lessThan,          hlType::greaterThan,
                                               hlType::equals,            hlType::notEqual,
                                               hlType::greaterThanEquals, hlType::lessThanEquals,
                                               hlType::masterHighlighted, hlType::none};

}  // namespace

void TForm1::SettoMaster1Click(TObject*) {
  TVariableLabel* variable = CurrentObjectAs<TVariableLabel>(program_);
  if (!variable) return;
  if (variable->MasterVariable == 1) {
    platform::ShowMessage(variable->Name() + " will no longer be the master variable.");
    variable->MasterVariable = 0;
    return;
  }
  // One master per container; variables of nested regions have their own.
  if (TWinControl* container = variable->Parent()) {
    for (int i = 0; i < container->ControlCount(); ++i)
      if (auto* sibling = dynamic_cast<TVariableLabel*>(container->Controls(i))) sibling->MasterVariable = 0;
  }
  variable->MasterVariable = 1;
  platform::ShowMessage(variable->Name() + " will now be the master variable.");
}

void TForm1::EditHighlightValue1Click(TObject*) {
  const platform::TRef<TVariableLabel> variable = CurrentObjectAs<TVariableLabel>(program_);
  if (!variable) return;
  const std::string answer = platform::InputBox("Variable", "Type Highlight Value", variable->HighlightValueText());
  if (!variable) return;
  if (const std::optional<std::string> refusal = HighlightValueRefusal(variable->VariableType, answer)) {
    platform::ShowMessage(*refusal);
    return;
  }
  variable->SetName(variable->Caption());
  variable->HighlightValue = answer;
}

void TForm1::HLWhenClick(TObject* Sender) {
  auto* item = dynamic_cast<platform::TMenuItem*>(Sender);
  TVariableLabel* variable = CurrentObjectAs<TVariableLabel>(program_);
  if (!item || !variable) return;
  const int index = item->MenuIndex();
  if (index >= 0 && index < static_cast<int>(kRuleOfItem.size()))
    variable->HighlightWhen = kRuleOfItem[static_cast<std::size_t>(index)];
}

void TForm1::MasterisHighlighted1Click(TObject*) {
  if (TVariableLabel* variable = CurrentObjectAs<TVariableLabel>(program_))
    variable->HighlightWhen = hlType::masterHighlighted;
}

void TForm1::GetVariableInfoClick(TObject*) {
  TVariableLabel* variable = CurrentObjectAs<TVariableLabel>(program_);
  if (!variable) return;
  TVariableInfo& info = *program_.VariableInfo;
  info.VariableName->SetCaption(variable->Caption());
  info.MainStyle->SetCaption(variable->StyleName);
  info.HighlightStyle->SetCaption(variable->HighlightStyle);
  info.VariableType->SetCaption(variable->VariableTypeName());
  info.hlWhen->SetCaption(variable->HighlightWhenName());
  info.hlValue->SetCaption(variable->HighlightValueText());
  info.mvValue->SetCaption(variable->MasterVariable != 0 ? "YES" : "NO");
  info.ShowModal();
}

}  // namespace designer
