// The text label's popup: its text, its case and its information. The
// Caps commands serve the variable's popup too, on the variable's caption.
#include "designer/dialogs/label_info.h"
#include "designer/main_window/form1.h"
#include "designer/objects/labels.h"
#include "designer/properties/current_object.h"
#include "designer/properties/text_case.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/text/ansi_text.h"

namespace designer {

void TForm1::EditText1Click(TObject*) {
  TStyledLabel* label = CurrentObjectAs<TStyledLabel>(program_);
  if (!label) return;
  label->SetCaption(platform::InputBox("Text", "Type New Text", label->Caption()));
}

void TForm1::Uppercase1Click(TObject*) {
  if (auto* label = CurrentObjectAs<platform::TLabel>(program_))
    label->SetCaption(platform::UpperCase(label->Caption()));
}

void TForm1::Lowercase1Click(TObject*) {
  if (auto* label = CurrentObjectAs<platform::TLabel>(program_))
    label->SetCaption(platform::LowerCase(label->Caption()));
}

void TForm1::InitialCaps1Click(TObject*) {
  if (auto* label = CurrentObjectAs<platform::TLabel>(program_)) label->SetCaption(InitialCaps(label->Caption()));
}

void TForm1::GetInfoClick(TObject*) {
  TStyledLabel* label = CurrentObjectAs<TStyledLabel>(program_);
  if (!label) return;
  TLabelInfo& info = *program_.LabelInfo;
  info.SetCaption("Label Information");
  info.LabelName->SetCaption(label->Name());
  info.LabelStyle->SetCaption(label->StyleName);
  info.LabelText->SetCaption(label->Caption());
  info.ShowModal();
}

}  // namespace designer
