// The tool bar: placement tools, the edit tools (one group of which at most
// one is down, all may be up), the zoom buttons, the zoom percentage, the
// mode caption and the red message line.
#include "designer/main_window/form1.h"

namespace designer {
namespace {

constexpr int kButtonSize = 30;

platform::TSpeedButton* MakeToolButton(TForm1& form, platform::TGroupBox* box, int position, const char* name,
                                       const char* caption, const char* hint,
                                       void (TForm1::*handler)(TObject*)) {
  auto* button = new platform::TSpeedButton(&form);
  button->SetName(name);
  button->SetParent(box);
  button->SetBounds(6 + position * kButtonSize, 14, kButtonSize, kButtonSize - 4);
  button->SetCaption(caption);
  button->SetHint(hint);
  button->SetShowHint(true);
  button->OnClick = [&form, handler](TObject* sender) { (form.*handler)(sender); };
  return button;
}

platform::TGroupBox* MakeBox(TForm1& form, const char* name, int left, int buttons) {
  auto* box = new platform::TGroupBox(&form);
  box->SetName(name);
  box->SetParent(form.Panel1);
  box->SetBounds(left, 0, 12 + buttons * kButtonSize, 46);
  return box;
}

platform::TLabel* MakeLabel(TForm1& form, const char* name, const char* caption, int left) {
  auto* label = new platform::TLabel(&form);
  label->SetName(name);
  label->SetParent(form.Panel1);
  label->SetCaption(caption);
  label->SetLeft(left);
  label->SetTop(17);
  return label;
}

}  // namespace

void TForm1::BuildToolBar() {
  Panel1 = new platform::TPanel(this);
  Panel1->SetName("Panel1");
  Panel1->SetParent(this);
  Panel1->SetHeight(49);
  Panel1->SetAlign(platform::TAlign::alTop);
  Panel1->SetBevelOuter(platform::TBevelCut::bvLowered);

  GroupBox1 = MakeBox(*this, "GroupBox1", 4, 8);
  SpeedButton1 = MakeToolButton(*this, GroupBox1, 0, "SpeedButton1", "Fix", "Fixed Region", &TForm1::Fixed1Click);
  SpeedButton12 =
      MakeToolButton(*this, GroupBox1, 1, "SpeedButton12", "Ttl", "Title Region", &TForm1::SpeedButton12Click);
  SpeedButton2 = MakeToolButton(*this, GroupBox1, 2, "SpeedButton2", "Rpt", "Repeat Region", &TForm1::Repeat1Click);
  SpeedButton7 =
      MakeToolButton(*this, GroupBox1, 3, "SpeedButton7", "RTF", "Rich Text Region", &TForm1::SpeedButton7Click);
  SpeedButton11 =
      MakeToolButton(*this, GroupBox1, 4, "SpeedButton11", "Shp", "Shape Region", &TForm1::SpeedButton11Click);
  SpeedButton3 =
      MakeToolButton(*this, GroupBox1, 5, "SpeedButton3", "Img", "Image Region", &TForm1::FixedImage1Click);
  SpeedButton8 = MakeToolButton(*this, GroupBox1, 6, "SpeedButton8", "Abc", "Add Text", &TForm1::Text1Click);
  SpeedButton10 =
      MakeToolButton(*this, GroupBox1, 7, "SpeedButton10", "Var", "Add Variable", &TForm1::SpeedButton10Click);

  GroupBox2 = MakeBox(*this, "GroupBox2", GroupBox1->Left() + GroupBox1->Width() + 4, 6);
  SpeedButton5 = MakeToolButton(*this, GroupBox2, 0, "SpeedButton5", "Mov", "Move", &TForm1::SpeedButton5Click);
  SpeedButton6 = MakeToolButton(*this, GroupBox2, 1, "SpeedButton6", "Siz", "Size", &TForm1::SpeedButton6Click);
  SpeedButton9 =
      MakeToolButton(*this, GroupBox2, 2, "SpeedButton9", "Esc", "Cancel/Refresh", &TForm1::SpeedButton9Click);
  SpeedButton15 = MakeToolButton(*this, GroupBox2, 3, "SpeedButton15", "Cpy", "Copy", &TForm1::SpeedButton15Click);
  SpeedButton16 = MakeToolButton(*this, GroupBox2, 4, "SpeedButton16", "Pst", "Paste", &TForm1::SpeedButton16Click);
  SpeedButton4 = MakeToolButton(*this, GroupBox2, 5, "SpeedButton4", "Cut", "Cut", &TForm1::SpeedButton4Click);
  for (platform::TSpeedButton* button :
       {SpeedButton5, SpeedButton6, SpeedButton9, SpeedButton15, SpeedButton16, SpeedButton4}) {
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
  }

  GroupBox3 = MakeBox(*this, "GroupBox3", GroupBox2->Left() + GroupBox2->Width() + 4, 2);
  SpeedButton13 = MakeToolButton(*this, GroupBox3, 0, "SpeedButton13", "+", "Zoom In", &TForm1::ZoomIn1Click);
  SpeedButton14 = MakeToolButton(*this, GroupBox3, 1, "SpeedButton14", "-", "Zoom Out", &TForm1::ZoomOut1Click);

  const int right = GroupBox3->Left() + GroupBox3->Width() + 12;
  zoomLabel = MakeLabel(*this, "zoomLabel", "100", right);
  Label4 = MakeLabel(*this, "Label4", "%", right + 24);
  Label1 = MakeLabel(*this, "Label1", "Mode:", right + 44);
  ModeLabel = MakeLabel(*this, "ModeLabel", "", right + 80);
  tempLabel = MakeLabel(*this, "tempLabel", "", right + 170);
  tempLabel->SetTop(6);
  tempLabel->SetFontColor(platform::clRed);
}

}  // namespace designer
