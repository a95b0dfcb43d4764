#pragma once
// The report style dialog: page and report size, orientation, page border
// and the default folders of picture and rich-text files, with a preview
// of the page at 15 pixels per inch. It edits a working copy of the
// program's ReportStyle and stores it only on OK; the folder fields Edit1
// and Edit2 are no part of that copy: callers and other commands read them
// as the current default folders.
#include "designer/main_window/designer_program.h"
#include "designer/objects/report_style.h"
#include "platform/controls/buttons.h"
#include "platform/controls/check_boxes.h"
#include "platform/controls/edits.h"
#include "platform/controls/form.h"
#include "platform/controls/group_box.h"
#include "platform/controls/label.h"
#include "platform/controls/lists.h"
#include "platform/controls/paint_box.h"
#include "platform/dialogs/common_dialogs.h"

namespace designer {

// The preview's page and printable area, in preview pixels before rounding.
struct TPreviewGeometry {
  double PageWidth = 0, PageHeight = 0;
  double AreaLeft = 0, AreaTop = 0, AreaWidth = 0, AreaHeight = 0;
};

class TReportStyleForm : public platform::TForm {
 public:
  using TObject = platform::TObject;

  explicit TReportStyleForm(DesignerProgram& program);

  platform::TGroupBox* GroupBox1 = nullptr;  // "Report Size"
  platform::TLabel* Label1 = nullptr;        // "Inches:"
  platform::TLabel* Label2 = nullptr;        // "Width:"
  platform::TLabel* Label3 = nullptr;        // "Height:"
  platform::TEdit* widthEB = nullptr;
  platform::TEdit* heightEB = nullptr;
  platform::TLabel* Label4 = nullptr;  // "Paper Size:"
  platform::TComboBox* ComboBox1 = nullptr;
  platform::TGroupBox* GroupBox2 = nullptr;  // "Orientation"
  platform::TRadioButton* PortraitRB = nullptr;
  platform::TRadioButton* LandscapeRB = nullptr;
  platform::TGroupBox* GroupBox3 = nullptr;  // "Border"
  platform::TCheckBox* LeftCB = nullptr;
  platform::TCheckBox* TopCB = nullptr;
  platform::TCheckBox* RightCB = nullptr;
  platform::TCheckBox* BottomCB = nullptr;
  platform::TLabel* Label5 = nullptr;  // "Thickness:"
  platform::TEdit* penWidthEB = nullptr;
  platform::TButton* Button3 = nullptr;       // "Color"
  platform::TComboBox* ComboBox2 = nullptr;   // pen styles
  platform::TPaintBox* PaintBox1 = nullptr;   // the preview
  platform::TLabel* Label6 = nullptr;         // "Image File Location:"
  platform::TEdit* Edit1 = nullptr;           // image folder
  platform::TButton* Button1 = nullptr;       // "Browse" for Edit1
  platform::TLabel* Label7 = nullptr;         // "RTF File Location:"
  platform::TEdit* Edit2 = nullptr;           // rich-text folder
  platform::TButton* Button2 = nullptr;       // "Browse" for Edit2
  platform::TBitBtn* BitBtn1 = nullptr;       // OK
  platform::TBitBtn* BitBtn2 = nullptr;       // Cancel
  platform::TOpenDialog* OpenDialog1 = nullptr;
  platform::TColorDialog* ColorDialog1 = nullptr;

  void FormShow(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);

  void Redraw();
  void ClearPreview();
  void DrawPaper();
  void DrawPrintableArea();
  void DrawBorder();
  void DrawLeftSide();
  void DrawRightSide();
  void DrawTopSide();
  void DrawBottomSide();

  void widthEBChange(TObject* Sender);
  void heightEBChange(TObject* Sender);
  void ComboBox1Change(TObject* Sender);
  void PortraitRBClick(TObject* Sender);
  void LandscapeRBClick(TObject* Sender);
  void CBClick(TObject* Sender);
  void penWidthEBChange(TObject* Sender);
  void ComboBox2Change(TObject* Sender);
  void Button3Click(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void BitBtn1Click(TObject* Sender);

  const TReportStyle& WorkingCopy() const { return working_; }
  const TPreviewGeometry& Preview() const { return preview_; }

 private:
  void BuildControls();
  void FillControls();
  void BrowseFolderInto(platform::TEdit* folderField);
  // The message that refuses OK, or empty when the sizes may be stored.
  std::string SizeProblem();

  DesignerProgram& program_;
  TReportStyle working_;
  TPreviewGeometry preview_;
  // On while the controls are filled from the working copy: their change
  // events then neither store nor draw.
  bool filling_ = false;
  // Qt activates the window again after the colour and file dialogs close;
  // only the first activation of a showing starts from the record.
  bool activationDue_ = false;
};

}  // namespace designer
