#include "designer/dialogs/region_style_form.h"

#include <string>

#include "designer/dialogs/border_pen.h"
#include "designer/dialogs/dialog_controls.h"
#include "designer/main_window/auto_scale_form.h"
#include "designer/objects/regions.h"

namespace designer {

TRegionStyleForm::TRegionStyleForm(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  AutoScaleForm(*this);
  SetName("RegionStyleForm");
  SetCaption("Border Style");
  SetPosition(platform::TPosition::poScreenCenter);
  BuildControls();

  OnShow = [this](TObject* sender) { FormShow(sender); };
  OnActivate = [this](TObject* sender) { FormActivate(sender); };
  for (platform::TCheckBox* side : {LeftCB, TopCB, RightCB, BottomCB})
    side->OnClick = [this](TObject* sender) { CBClick(sender); };
  penWidthEB->OnChange = [this](TObject* sender) { penWidthEBChange(sender); };
  ComboBox1->OnChange = [this](TObject* sender) { ComboBox1Change(sender); };
  Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };
  BitBtn1->OnClick = [this](TObject* sender) { BitBtn1Click(sender); };
}

void TRegionStyleForm::BuildControls() {
  using platform::TCheckBox;

  GroupBox1 = MakeCaptioned<platform::TGroupBox>(this, this, "GroupBox1", "Border", 8, 8, 150, 196);
  LeftCB = MakeCaptioned<TCheckBox>(this, GroupBox1, "LeftCB", "Left", 12, 20, 120, 17);
  TopCB = MakeCaptioned<TCheckBox>(this, GroupBox1, "TopCB", "Top", 12, 40, 120, 17);
  RightCB = MakeCaptioned<TCheckBox>(this, GroupBox1, "RightCB", "Right", 12, 60, 120, 17);
  BottomCB = MakeCaptioned<TCheckBox>(this, GroupBox1, "BottomCB", "Bottom", 12, 80, 120, 17);
  Label1 = MakeLabel(this, GroupBox1, "Label1", "Thickness:", 12, 110);
  penWidthEB = MakeControl<platform::TEdit>(this, GroupBox1, "penWidthEB", 82, 106, 54, 21);
  penWidthEB->SetText("2");
  ComboBox1 = MakeControl<platform::TComboBox>(this, GroupBox1, "ComboBox1", 12, 134, 124, 21);
  ComboBox1->SetItems(PenStyleNames());
  ComboBox1->SetText("Solid");
  Button1 = MakeCaptioned<platform::TButton>(this, GroupBox1, "Button1", "Color", 12, 162, 75, 23);

  // The preview is the panel's whole client area inside its bevel.
  Panel1 = MakeControl<platform::TPanel>(this, this, "Panel1", 168, 14, 209, 137);
  Panel1->SetColor(platform::clWhite);
  Panel1->SetBevelOuter(platform::TBevelCut::bvLowered);
  PaintBox1 = new platform::TPaintBox(this);
  PaintBox1->SetName("PaintBox1");
  PaintBox1->SetParent(Panel1);
  PaintBox1->SetAlign(platform::TAlign::alClient);

  BitBtn1 = MakeCaptioned<platform::TBitBtn>(this, this, "BitBtn1", "OK", 216, 179, 75, 25);
  BitBtn1->SetModalResult(platform::mrOk);
  BitBtn1->SetDefault(true);
  BitBtn2 = MakeCaptioned<platform::TBitBtn>(this, this, "BitBtn2", "Cancel", 302, 179, 75, 25);
  BitBtn2->SetModalResult(platform::mrCancel);
  BitBtn2->SetCancel(true);

  ColorDialog1 = new platform::TColorDialog(this);
  ColorDialog1->SetName("ColorDialog1");

  SetClientSize(385, 212);
  SetFixedSize(true);
}

TRegion* TRegionStyleForm::EditedRegion() const { return dynamic_cast<TRegion*>(program_.CurrentObject.Get()); }

void TRegionStyleForm::FormShow(TObject* sender) {
  // Every showing starts from the region's border, before the window is up.
  activationDue_ = true;
  FormActivate(sender);
}

void TRegionStyleForm::FormActivate(TObject*) {
  if (!activationDue_) return;
  activationDue_ = false;
  TRegion* region = EditedRegion();
  if (!region) return;
  loading_ = true;
  loaded_ = region->FBorder;
  LeftCB->SetChecked((loaded_.Sides & kSideLeft) != 0);
  TopCB->SetChecked((loaded_.Sides & kSideTop) != 0);
  RightCB->SetChecked((loaded_.Sides & kSideRight) != 0);
  BottomCB->SetChecked((loaded_.Sides & kSideBottom) != 0);
  platform::TPen& pen = PaintBox1->Canvas().Pen;
  penWidthEB->SetText(std::to_string(loaded_.Width));
  SetPenWidth(pen, loaded_.Width);
  ComboBox1->SetItemIndex(IsPenStyleIndex(loaded_.LineStyle) ? loaded_.LineStyle : -1);
  pen.Style = PenStyleOf(-1, loaded_.LineStyle);
  pen.Color = static_cast<platform::TColor>(loaded_.Color);
  loading_ = false;
  working_ = loaded_;
  Redraw();
}

void TRegionStyleForm::Redraw() {
  if (loading_) return;
  ClearPreview();
  platform::TCanvas& canvas = PaintBox1->Canvas();
  working_.Sides = 0;
  canvas.Pen.Style = ComboBox1->Text() == "Solid" ? platform::TPenStyle::psSolid : PenStyleOf(-1, working_.LineStyle);
  canvas.Pen.Color = static_cast<platform::TColor>(working_.Color);
  const int width = PaintBox1->Width(), height = PaintBox1->Height();
  if (LeftCB->Checked()) {
    working_.Sides += kSideLeft;
    canvas.MoveTo(5, 5);
    canvas.LineTo(5, height - 5);
  }
  if (RightCB->Checked()) {
    working_.Sides += kSideRight;
    canvas.MoveTo(width - 5, 5);
    canvas.LineTo(width - 5, height - 5);
  }
  if (TopCB->Checked()) {
    working_.Sides += kSideTop;
    canvas.MoveTo(5, 5);
    canvas.LineTo(width - 5, 5);
  }
  if (BottomCB->Checked()) {
    working_.Sides += kSideBottom;
    canvas.MoveTo(5, height - 5);
    canvas.LineTo(width - 5, height - 5);
  }
}

void TRegionStyleForm::ClearPreview() {
  PaintBox1->Canvas().Brush = platform::TBrush{platform::clWhite, platform::TBrushStyle::bsSolid};
  PaintBox1->FloodFill(0, 0, platform::clWhite, platform::TFillStyle::fsBorder);
  PaintBox1->Repaint();
}

void TRegionStyleForm::CBClick(TObject*) { Redraw(); }

void TRegionStyleForm::penWidthEBChange(TObject*) {
  const std::string text = penWidthEB->Text();
  if (text.empty()) return;
  platform::TPen& pen = PaintBox1->Canvas().Pen;
  SetPenWidth(pen, ReadPenWidth(text));
  working_.Width = pen.Width;
  Redraw();
}

void TRegionStyleForm::ComboBox1Change(TObject*) {
  if (const int style = ComboBox1->ItemIndex(); style >= 0) working_.LineStyle = style;
  Redraw();
}

void TRegionStyleForm::Button1Click(TObject*) {
  // A cancelled colour dialog answers the colour it had before.
  ColorDialog1->Execute();
  working_.Color = static_cast<int32_t>(ColorDialog1->Color);
  Redraw();
}

void TRegionStyleForm::BitBtn1Click(TObject*) {
  if (TRegion* region = EditedRegion()) region->FBorder = working_;
}

}  // namespace designer
