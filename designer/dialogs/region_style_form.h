#pragma once
// The region border dialog: the sides, thickness, colour and pen style of
// one region's border (the program's CurrentObject), with a preview of the
// chosen sides. Only OK stores the border into the region.
#include "designer/main_window/designer_program.h"
#include "designer/objects/border_record.h"
#include "platform/controls/buttons.h"
#include "platform/controls/check_boxes.h"
#include "platform/controls/edits.h"
#include "platform/controls/form.h"
#include "platform/controls/group_box.h"
#include "platform/controls/label.h"
#include "platform/controls/lists.h"
#include "platform/controls/paint_box.h"
#include "platform/controls/panel.h"
#include "platform/dialogs/common_dialogs.h"

namespace designer {

class TRegion;

class TRegionStyleForm : public platform::TForm {
 public:
  using TObject = platform::TObject;

  explicit TRegionStyleForm(DesignerProgram& program);

  platform::TGroupBox* GroupBox1 = nullptr;  // "Border"
  platform::TCheckBox* LeftCB = nullptr;
  platform::TCheckBox* TopCB = nullptr;
  platform::TCheckBox* RightCB = nullptr;
  platform::TCheckBox* BottomCB = nullptr;
  platform::TLabel* Label1 = nullptr;  // "Thickness:"
  platform::TEdit* penWidthEB = nullptr;
  platform::TButton* Button1 = nullptr;      // "Color"
  platform::TComboBox* ComboBox1 = nullptr;  // pen styles
  platform::TPanel* Panel1 = nullptr;        // white, holds the preview
  platform::TPaintBox* PaintBox1 = nullptr;
  platform::TBitBtn* BitBtn1 = nullptr;  // OK
  platform::TBitBtn* BitBtn2 = nullptr;  // Cancel
  platform::TColorDialog* ColorDialog1 = nullptr;

  void FormShow(TObject* Sender);
  void FormActivate(TObject* Sender);
  void Redraw();
  void ClearPreview();

  void CBClick(TObject* Sender);
  void penWidthEBChange(TObject* Sender);
  void ComboBox1Change(TObject* Sender);
  void Button1Click(TObject* Sender);
  void BitBtn1Click(TObject* Sender);

  const TBorderRecord& WorkingBorder() const { return working_; }
  bool Loading() const { return loading_; }

 private:
  void BuildControls();
  TRegion* EditedRegion() const;

  DesignerProgram& program_;
  TBorderRecord working_{0, 2, 0, 0};
  TBorderRecord loaded_{};
  // On while the controls are filled from the region's border (and before
  // the first showing): nothing is drawn then.
  bool loading_ = true;
  // Qt activates the window again after the colour dialog closes; only the
  // first activation of a showing starts from the region's border.
  bool activationDue_ = false;
};

}  // namespace designer
