#include "designer/styles/style_preview.h"

#include <algorithm>
#include <string>

#include "designer/dialogs/dialog_controls.h"
#include "designer/main_window/auto_scale_form.h"
#include "designer/objects/labels.h"
#include "designer/styles/style_form.h"
#include "designer/styles/style_select_form.h"

namespace designer {
namespace {

constexpr int kScrollBoxHeight = 300;

}  // namespace

TStylePreview::TStylePreview(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  AutoScaleForm(*this);
  SetName("StylePreview");
  SetCaption("StylePreview");
  SetBounds(0, 0, 272, 376);
  SetPosition(platform::TPosition::poScreenCenter);
  Button1 = MakeCaptioned<platform::TButton>(this, this, "Button1", "Import Style...", 80, kScrollBoxHeight + 8, 105,
                                             25);
  Button1->SetEnabled(false);
  OnActivate = [this](platform::TObject* sender) { FormActivate(sender); };
  OnDeactivate = [this](platform::TObject* sender) { FormDeactivate(sender); };
  Button1->OnClick = [this](platform::TObject* sender) { Button1Click(sender); };
}

int TStylePreview::ShownCount() const {
  if (!styleList_) return 0;
  return std::clamp(styleCount_, 0, static_cast<int>(styleList_->size()));
}

void TStylePreview::FormActivate(platform::TObject*) {
  FormDeactivate(this);
  auto* box = new platform::TScrollBox(this);
  box->SetName("Scrollbox1");
  box->SetParent(this);
  box->SetBounds(0, 0, ClientWidth(), kScrollBoxHeight);
  box->SetAlign(platform::TAlign::alTop);
  Scrollbox1 = box;
  int top = 0;
  for (int i = 0; i < ShownCount(); ++i) {
    const TStyleRecord& style = *(*styleList_)[static_cast<std::size_t>(i)];
    // Owned by the scroll box, so that freeing it frees them.
    auto* label = new TStyledLabel(box);
    label->SetName("sl" + std::to_string(i));
    label->SetParent(box);
    label->StyleName = style.Name;
    label->SetFont(platform::TFont{style.FontName, style.Size, static_cast<platform::TColor>(style.Color),
                                   TStyleForm::BitsToFontStyle(style.StyleBits)});
    label->SetCaption(style.Name);
    label->SetLeft(0);
    label->SetTop(top);
    top = label->Top() + label->Height();
  }
}

void TStylePreview::FormDeactivate(platform::TObject*) { delete Scrollbox1.Get(); }

void TStylePreview::Button1Click(platform::TObject*) {
  TStyleSelectForm& choice = *program_.StyleSelectForm;
  choice.ListBox1->Clear();
  for (int i = 0; i < ShownCount(); ++i) choice.ListBox1->Add((*styleList_)[static_cast<std::size_t>(i)]->Name);
  choice.ShowModal();
}

}  // namespace designer
