#pragma once
// The rows of the information dialogs: a caption on the left and a value
// cell beside it that shows an object's text as it is.
#include "designer/dialogs/dialog_controls.h"
#include "platform/controls/buttons.h"
#include "platform/controls/form.h"

namespace designer {

inline constexpr int kInfoCaptionLeft = 12;
inline constexpr int kInfoValueLeft = 110;
inline constexpr int kInfoRowHeight = 22;

// A value cell: names and file paths may hold "&", which must not turn
// into an accelerator mark.
inline platform::TLabel* MakeValueLabel(platform::TComponent* owner, platform::TWinControl* parent, const char* name,
                                        int left, int top) {
  platform::TLabel* value = MakeLabel(owner, parent, name, "", left, top);
  value->SetShowAccelChar(false);
  return value;
}

// One row: its caption and its value cell.
inline platform::TLabel* MakeInfoRow(platform::TForm* form, const char* captionName, const char* caption,
                                     const char* valueName, int row) {
  const int top = 12 + row * kInfoRowHeight;
  MakeLabel(form, form, captionName, caption, kInfoCaptionLeft, top);
  return MakeValueLabel(form, form, valueName, kInfoValueLeft, top);
}

// The dialog's one button, which closes it.
inline platform::TBitBtn* MakeInfoOkButton(platform::TForm* form, int rows, int width) {
  auto* ok = MakeCaptioned<platform::TBitBtn>(form, form, "BitBtn1", "OK", (width - 75) / 2,
                                              20 + rows * kInfoRowHeight, 75, 25);
  ok->SetModalResult(platform::mrOk);
  ok->SetDefault(true);
  ok->SetCancel(true);
  return ok;
}

}  // namespace designer
