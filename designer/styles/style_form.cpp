#include "designer/styles/style_form.h"

#include <string>

#include "designer/dialogs/dialog_controls.h"
#include "designer/main_window/auto_scale_form.h"
#include "designer/styles/style_record.h"
#include "platform/ini/ini_file.h"

namespace designer {

TStyleForm::TStyleForm(DesignerProgram& program) : platform::TForm(&program.Forms()) {
  AutoScaleForm(*this);
  SetName("StyleForm");
  SetCaption("StyleForm");
  SetBounds(0, 0, 258, 340);
  SetPosition(platform::TPosition::poScreenCenter);

  Label1 = MakeLabel(this, this, "Label1", "Style Name", 16, 12);
  Edit1 = MakeControl<platform::TEdit>(this, this, "Edit1", 16, 30, 217, 21);
  Edit1->SetEnabled(false);
  Label6 = MakeLabel(this, this, "Label6", "Font Name:", 16, 68);
  Label7 = MakeLabel(this, this, "Label7", "", 96, 68);
  Label8 = MakeLabel(this, this, "Label8", "Size:", 16, 90);
  Label9 = MakeLabel(this, this, "Label9", "", 96, 90);
  Label2 = MakeLabel(this, this, "Label2", "Attributes:", 16, 112);
  CheckBox1 = MakeCaptioned<platform::TCheckBox>(this, this, "CheckBox1", "Bold", 96, 112, 120, 17);
  CheckBox2 = MakeCaptioned<platform::TCheckBox>(this, this, "CheckBox2", "Italics", 96, 132, 120, 17);
  CheckBox3 = MakeCaptioned<platform::TCheckBox>(this, this, "CheckBox3", "Underline", 96, 152, 120, 17);
  CheckBox4 = MakeCaptioned<platform::TCheckBox>(this, this, "CheckBox4", "Strike Out", 96, 172, 120, 17);
  // The attributes are shown here and chosen in the font dialog only.
  for (platform::TCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4}) box->SetEnabled(false);
  Button1 = MakeCaptioned<platform::TButton>(this, this, "Button1", "Change Font", 80, 206, 90, 25);
  BitBtn1 = MakeCaptioned<platform::TBitBtn>(this, this, "BitBtn1", "OK", 32, 256, 75, 25);
  BitBtn1->SetModalResult(platform::mrOk);
  BitBtn1->SetDefault(true);
  BitBtn2 = MakeCaptioned<platform::TBitBtn>(this, this, "BitBtn2", "Cancel", 144, 256, 75, 25);
  BitBtn2->SetModalResult(platform::mrCancel);
  BitBtn2->SetCancel(true);

  FontDialog1 = new platform::TFontDialog(this);
  FontDialog1->SetName("FontDialog1");
  // The class library's first font: 8 points is 11 pixels on a screen of
  // 96 pixels per inch.
  FontDialog1->Font = platform::TFont{"MS Sans Serif", 8, platform::clWindowText, 0};

  OnActivate = [this](platform::TObject* sender) { FormActivate(sender); };
  Button1->OnClick = [this](platform::TObject* sender) { Button1Click(sender); };
  Edit1->OnChange = [this](platform::TObject* sender) { Edit1Change(sender); };
  BitBtn1->OnClick = [this](platform::TObject* sender) { BitBtn1Click(sender); };
  FormCreate(this);
}

int32_t TStyleForm::FontStyleToBits(uint8_t fontStyle) {
  int32_t bits = 0;
  if (fontStyle & platform::fsBold) bits += 1;
  if (fontStyle & platform::fsItalic) bits += 2;
  if (fontStyle & platform::fsUnderline) bits += 4;
  if (fontStyle & platform::fsStrikeOut) bits += 8;
  return bits;
}

uint8_t TStyleForm::BitsToFontStyle(int32_t bits) {
  if (bits < 1 || bits > 15) return 0;
  uint8_t style = 0;
  if (bits & 1) style |= platform::fsBold;
  if (bits & 2) style |= platform::fsItalic;
  if (bits & 4) style |= platform::fsUnderline;
  if (bits & 8) style |= platform::fsStrikeOut;
  return style;
}

void TStyleForm::FormCreate(platform::TObject*) {
  BitBtn1->SetEnabled(false);
  ShowFont();
}

void TStyleForm::FormActivate(platform::TObject*) { ShowFont(); }

void TStyleForm::ShowFont() {
  const platform::TFont& font = FontDialog1->Font;
  Label7->SetCaption(font.Name);
  Label9->SetCaption(std::to_string(font.Size));
  CheckBox1->SetChecked(font.Style & platform::fsBold);
  CheckBox2->SetChecked(font.Style & platform::fsItalic);
  CheckBox3->SetChecked(font.Style & platform::fsUnderline);
  CheckBox4->SetChecked(font.Style & platform::fsStrikeOut);
  BitBtn1->SetEnabled(!StoredName().empty());
}

// As the files will give it back, so that the name is found again in the
// global style file and in the template once saved: a name of blanks or
// quotes alone, or one whose first 20 characters are, reads back as none.
std::string TStyleForm::StoredName() const {
  return platform::SettledIniValue(Edit1->Text().substr(0, kStyleNameLength));
}

void TStyleForm::Button1Click(platform::TObject*) {
  // A cancelled font dialog keeps the font it had; the display is
  // refreshed either way.
  FontDialog1->Execute();
  ShowFont();
}

void TStyleForm::Edit1Change(platform::TObject*) { BitBtn1->SetEnabled(!StoredName().empty()); }

void TStyleForm::BitBtn1Click(platform::TObject*) {
  const std::string name = StoredName();
  if (name.empty() || !record_) {
    // Nothing is written, so the dialog does not end with OK: its callers
    // count a style only when OK has written its record.
    SetModalResult(platform::mrNone);
    return;
  }
  const platform::TFont& font = FontDialog1->Font;
  record_->Name = name;
  record_->StyleBits = FontStyleToBits(font.Style);
  record_->Size = font.Size;
  record_->Color = static_cast<int32_t>(font.Color);
  record_->FontName = font.Name.substr(0, kFontNameLength);
  // The style as now written is not the one the global style file may hold.
  record_->IsGlobal = 0;
}

}  // namespace designer
