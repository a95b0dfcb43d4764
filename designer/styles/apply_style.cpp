// Giving one control a style's font and name, at zoom level 0 where fonts
// are given their design size.
#include "designer/main_window/form1.h"
#include "designer/objects/labels.h"
#include "designer/objects/rich_text_region.h"
#include "designer/styles/style_form.h"

namespace designer {
namespace {

platform::TFont StyledFont(platform::TFont font, const TStyleRecord& style) {
  font.Name = style.FontName;
  font.Size = style.Size;
  font.Color = static_cast<platform::TColor>(style.Color);
  font.Style = TStyleForm::BitsToFontStyle(style.StyleBits);
  return font;
}

}  // namespace

void TForm1::ApplyStyle(TControl* control, const TStyleRecord& style) {
  auto* label = dynamic_cast<TStyledLabel*>(control);
  auto* variable = dynamic_cast<TVariableLabel*>(control);
  // The text box of a rich-text region, or the region itself.
  auto* richText = dynamic_cast<TRichTextRegion*>(control);
  if (!richText && control) richText = dynamic_cast<TRichTextRegion*>(control->Parent());
  if (richText && control != richText && control != richText->FRichEdit) richText = nullptr;
  if (!label && !variable && !richText) return;

  const int zoom = program_.ZoomLevel;
  SetZoom(0);
  if (label) {
    label->SetFont(StyledFont(label->Font(), style));
    label->StyleName = style.Name;
  } else if (variable) {
    variable->SetFont(StyledFont(variable->Font(), style));
    variable->StyleName = style.Name;
  } else {
    // The text box shows its region's face, size and colour with the
    // style's attributes of its own.
    platform::TFont regionFont = StyledFont(richText->Font(), style);
    regionFont.Style = richText->Font().Style;
    richText->SetFont(regionFont);
    richText->FStyleName = style.Name;
    richText->FRichEdit->SetFont(StyledFont(richText->FRichEdit->Font(), style));
  }
  FModified = true;
  SetZoom(zoom);
}

}  // namespace designer
