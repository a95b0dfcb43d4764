// Choosing a style from the style submenus of labels, variables and the
// paragraph dialog.
#include "designer/dialogs/paragraph_form.h"
#include "designer/main_window/form1.h"
#include "designer/objects/labels.h"
#include "designer/objects/rich_text_region.h"
#include "designer/styles/style_form.h"
#include "designer/styles/style_lookup.h"

namespace designer {
namespace {

// The style of the clicked item, or null for a position no style holds.
const TStyleRecord* ClickedStyle(TObject* sender, const DesignerProgram& program, int styleCount) {
  const int index = ClickedStyleIndex(sender);
  if (index < 0 || index >= styleCount || index >= static_cast<int>(program.StyleList.size())) return nullptr;
  return program.StyleList[static_cast<std::size_t>(index)];
}

}  // namespace

void TForm1::SelectLabelStyleClick(TObject* Sender) {
  const TStyleRecord* style = ClickedStyle(Sender, program_, FStyleCount);
  auto* label = dynamic_cast<TStyledLabel*>(program_.CurrentObject.Get());
  if (!style || !label) return;
  ApplyStyle(label, *style);
}

void TForm1::SelectVarMainStyleClick(TObject* Sender) {
  const TStyleRecord* style = ClickedStyle(Sender, program_, FStyleCount);
  auto* variable = dynamic_cast<TVariableLabel*>(program_.CurrentObject.Get());
  if (!style || !variable) return;
  ApplyStyle(variable, *style);
}

void TForm1::SelectVarHLStyleClick(TObject* Sender) {
  const TStyleRecord* style = ClickedStyle(Sender, program_, FStyleCount);
  auto* variable = dynamic_cast<TVariableLabel*>(program_.CurrentObject.Get());
  if (!style || !variable) return;
  // The highlight style shows only in print; the variable keeps its font.
  variable->HighlightStyle = style->Name;
  FModified = true;
}

void TForm1::SelectParagraphStyleClick(TObject* Sender) {
  const TStyleRecord* style = ClickedStyle(Sender, program_, FStyleCount);
  TParagraphForm* paragraph = program_.ParagraphForm;
  if (!style || !paragraph) return;
  paragraph->Memo->SetFont(platform::TFont{style->FontName, style->Size, static_cast<platform::TColor>(style->Color),
                                           TStyleForm::BitsToFontStyle(style->StyleBits)});
  paragraph->CurrentStyleName = style->Name;
  if (auto* region = dynamic_cast<TRichTextRegion*>(program_.CurrentObject.Get())) {
    region->FStyleName = style->Name;
    FModified = true;
  }
}

}  // namespace designer
