#pragma once
// The style dialog: a style's name and font. The font is chosen only in the
// font dialog; the dialog shows its face, size and attributes, and OK
// writes name and font into the record the caller chose.
#include <cstdint>
#include <string>

#include "designer/main_window/designer_program.h"
#include "platform/controls/buttons.h"
#include "platform/controls/check_boxes.h"
#include "platform/controls/edits.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/dialogs/common_dialogs.h"

namespace designer {

class TStyleForm : public platform::TForm {
 public:
  explicit TStyleForm(DesignerProgram& program);

  // The record OK writes into.
  void SetStyleRecord(TStyleRecord* record) { record_ = record; }

  // Style bits of a font's attributes: 1 bold, 2 italic, 4 underline,
  // 8 strike-out.
  static int32_t FontStyleToBits(uint8_t fontStyle);
  // 1..15 give their attributes; any other value gives none.
  static uint8_t BitsToFontStyle(int32_t bits);

  void FormCreate(platform::TObject* Sender);
  void FormActivate(platform::TObject* Sender);
  void Button1Click(platform::TObject* Sender);
  void Edit1Change(platform::TObject* Sender);
  void BitBtn1Click(platform::TObject* Sender);

  platform::TLabel* Label1 = nullptr;  // "Style Name"
  platform::TEdit* Edit1 = nullptr;    // the name; disabled unless the caller enables it
  platform::TLabel* Label6 = nullptr;  // "Font Name:"
  platform::TLabel* Label7 = nullptr;  // the face
  platform::TLabel* Label8 = nullptr;  // "Size:"
  platform::TLabel* Label9 = nullptr;  // the size in points
  platform::TLabel* Label2 = nullptr;  // "Attributes:"
  platform::TCheckBox* CheckBox1 = nullptr;  // "Bold"
  platform::TCheckBox* CheckBox2 = nullptr;  // "Italics"
  platform::TCheckBox* CheckBox3 = nullptr;  // "Underline"
  platform::TCheckBox* CheckBox4 = nullptr;  // "Strike Out"
  platform::TButton* Button1 = nullptr;      // "Change Font"
  platform::TBitBtn* BitBtn1 = nullptr;      // OK
  platform::TBitBtn* BitBtn2 = nullptr;      // Cancel
  platform::TFontDialog* FontDialog1 = nullptr;

 private:
  // Face, size and attributes of the font dialog's font, and OK's state.
  void ShowFont();
  // The name as OK would store it; OK waits while it is empty.
  std::string StoredName() const;

  TStyleRecord* record_ = nullptr;
};

}  // namespace designer
