// The popup menus of the design objects and of the Add Variable button.
// Each object menu begins with a heading naming the kind, which does
// nothing, and a separator.
#include "designer/main_window/form1.h"
#include "designer/main_window/menu_building.h"

namespace designer {
namespace {

platform::TPopupMenu* MakePopup(TForm1& form, const char* name, const char* heading) {
  auto* popup = new platform::TPopupMenu(&form);
  popup->SetName(name);
  if (heading) {
    AddMenuItem(&form, popup->Items(), std::string(name) + "Heading", heading);
    AddSeparator(&form, popup->Items());
  }
  return popup;
}

}  // namespace

void TForm1::BuildPopupMenus() {
  auto bind = [this](void (TForm1::*handler)(TObject*)) {
    return [this, handler](TObject* sender) { (this->*handler)(sender); };
  };

  PopupMenu1 = MakePopup(*this, "PopupMenu1", nullptr);
  platform::TMenuItem* root = PopupMenu1->Items();
  AddMenuItem(this, root, "String2", "String", bind(&TForm1::String1Click));
  AddMenuItem(this, root, "Integer2", "Integer", bind(&TForm1::Integer1Click));
  AddMenuItem(this, root, "FloatingPoint2", "Floating Point", bind(&TForm1::FloatingPoint1Click));
  platform::TMenuItem* system = AddMenuItem(this, root, "System2", "System");
  AddMenuItem(this, system, "Page2", "Page #", bind(&TForm1::Page1Click));
  AddMenuItem(this, system, "ofPages2", "# of Pages", bind(&TForm1::ofPages1Click));
  AddMenuItem(this, system, "Date2", "Date", bind(&TForm1::Date1Click));
  AddMenuItem(this, system, "Time2", "Time", bind(&TForm1::Time1Click));
  AddMenuItem(this, system, "DateTime2", "Date/Time", bind(&TForm1::DateTime1Click));

  LabelPopup = MakePopup(*this, "LabelPopup", "TEXT");
  root = LabelPopup->Items();
  AddMenuItem(this, root, "EditText1", "Edit Text", bind(&TForm1::EditText1Click));
  SelectStyle1 = AddMenuItem(this, root, "SelectStyle1", "Select Style");
  platform::TMenuItem* caps = AddMenuItem(this, root, "Caps1", "Caps");
  AddMenuItem(this, caps, "Uppercase1", "Uppercase", bind(&TForm1::Uppercase1Click));
  AddMenuItem(this, caps, "Lowercase1", "Lowercase", bind(&TForm1::Lowercase1Click));
  AddMenuItem(this, caps, "InitialCaps1", "Initial Caps", bind(&TForm1::InitialCaps1Click));
  AddMenuItem(this, root, "GetInfo1", "Get Info", bind(&TForm1::GetInfoClick));

  PopupMenu2 = MakePopup(*this, "PopupMenu2", "FIXED REGION");
  root = PopupMenu2->Items();
  AddMenuItem(this, root, "RegionName1", "Edit Region Name ...", bind(&TForm1::RegionNameClick));
  AddMenuItem(this, root, "SizeRegionToPage1", "Maximize Region", bind(&TForm1::SizeRegionToPage1Click));
  AddMenuItem(this, root, "DrawBorder1", "Draw Border...", bind(&TForm1::DrawBorder1Click));
  AddMenuItem(this, root, "ToggleAbsolute1", "Toggle Absolute", bind(&TForm1::ToggleAbsolute1Click));

  RepeatPopup = MakePopup(*this, "RepeatPopup", "REPEAT REGION");
  root = RepeatPopup->Items();
  AddMenuItem(this, root, "RegionName2", "Edit Region Name ...", bind(&TForm1::RegionNameClick));
  AddMenuItem(this, root, "SizeRegionToPage2", "Maximize Region", bind(&TForm1::SizeRegionToPage1Click));
  AllowMultiplePages1 =
      AddMenuItem(this, root, "AllowMultiplePages1", "Allow Multiple Pages", bind(&TForm1::AllowMultiplePages1Click));
  AllowMultiplePages1->SetChecked(true);
  AddMenuItem(this, root, "DrawBorder2", "Draw Border...", bind(&TForm1::DrawBorder1Click));

  TitlePopup = MakePopup(*this, "TitlePopup", "TITLE REGION");
  root = TitlePopup->Items();
  AddMenuItem(this, root, "RegionName3", "Edit Region Name ...", bind(&TForm1::RegionNameClick));
  AddMenuItem(this, root, "DrawBorder3", "Draw Border...", bind(&TForm1::DrawBorder1Click));

  ShapePopup = MakePopup(*this, "ShapePopup", "SHAPE REGION");
  root = ShapePopup->Items();
  AddMenuItem(this, root, "RegionName4", "Edit Region Name...", bind(&TForm1::RegionNameClick));
  platform::TMenuItem* shapes = AddMenuItem(this, root, "SelectShape1", "Select Shape");
  AddMenuItem(this, shapes, "Rectangle1", "Rectangle", bind(&TForm1::Rectangle1Click));
  AddMenuItem(this, shapes, "RoundRectangle1", "Round Rectangle", bind(&TForm1::RoundRectangle1Click));
  AddMenuItem(this, shapes, "Ellipse1", "Ellipse", bind(&TForm1::Ellipse1Click));
  AddMenuItem(this, shapes, "VerticalLine1", "Vertical Line", bind(&TForm1::VerticalLine1Click));
  AddMenuItem(this, shapes, "HorizontalLine1", "Horizontal Line", bind(&TForm1::HorizontalLine1Click));
  AddMenuItem(this, root, "EditText2", "Select Color", bind(&TForm1::EditText2Click));
  AddMenuItem(this, root, "SelectBorderColor1", "Select Border Color", bind(&TForm1::SelectBorderColor1Click));
  AddMenuItem(this, root, "BorderThickness1", "Border Thickness", bind(&TForm1::BorderThickness1Click));
  platform::TMenuItem* fills = AddMenuItem(this, root, "FillPattern1", "Fill Pattern");
  const char* fillItems[][2] = {{"Solid1", "Solid"},         {"Clear1", "Clear"},
                                {"Horizontal1", "Horizontal"}, {"Vertical1", "Vertical"},
                                {"ForwardDiag1", "Forward Diag"}, {"BackDiag1", "Back Diag"},
                                {"Cross1", "Cross"},         {"DiagonalCross1", "Diagonal Cross"}};
  for (const auto& item : fillItems) AddMenuItem(this, fills, item[0], item[1], bind(&TForm1::patternClick));
  platform::TMenuItem* pens = AddMenuItem(this, root, "BorderPattern1", "Border Pattern");
  const char* penItems[][2] = {
      {"Solid2", "Solid"}, {"Dash1", "Dash"}, {"Dot1", "Dot"}, {"DashDot1", "Dash Dot"}, {"DashDotDot1", "Dash Dot Dot"}};
  for (const auto& item : penItems) AddMenuItem(this, pens, item[0], item[1], bind(&TForm1::BorderPatternClick));

  ImagePopup = MakePopup(*this, "ImagePopup", "IMAGE");
  root = ImagePopup->Items();
  AddMenuItem(this, root, "EditImageName1", "Edit Image Name...", bind(&TForm1::EditImageName1Click));
  AddMenuItem(this, root, "Filename1", "Filename...", bind(&TForm1::Filename1Click));
  AddMenuItem(this, root, "FileLocation1", "File Location...", bind(&TForm1::FileLocation1Click));
  AddMenuItem(this, root, "SetToDynamic1", "Set To Dynamic", bind(&TForm1::SetToDynamic1Click));
  AddMenuItem(this, root, "ActualSize1", "Actual Size...", bind(&TForm1::ActualSize1Click));
  AddMenuItem(this, root, "ShowImageInfo1", "Show Image Info...", bind(&TForm1::ShowImageInfo1Click));

  RichTextPopup = MakePopup(*this, "RichTextPopup", "RICH TEXT");
  root = RichTextPopup->Items();
  AddMenuItem(this, root, "EditImageName2", "Edit RTF Name...", bind(&TForm1::EditImageName2Click));
  platform::TMenuItem* load = AddMenuItem(this, root, "LoadText1", "Load Text");
  AddMenuItem(this, load, "FromFile1", "From File...", bind(&TForm1::FromFile1Click));
  AddMenuItem(this, load, "Direct1", "Direct...", bind(&TForm1::Direct1Click));
  AddMenuItem(this, root, "FileLocation2", "File Location...", bind(&TForm1::FileLocation2Click));
  AddMenuItem(this, root, "SetToDynamic2", "Set To Dynamic", bind(&TForm1::SetToDynamic2Click));
  AddMenuItem(this, root, "ShowImageInfo2", "Show RTF Info...", bind(&TForm1::ShowImageInfo2Click));

  VariablePopup = MakePopup(*this, "VariablePopup", "VARIABLE");
  root = VariablePopup->Items();
  AddMenuItem(this, root, "MenuItem1", "Edit Variable Name...", bind(&TForm1::MenuItem1Click));
  AddMenuItem(this, root, "SettoMaster1", "Toggle Master", bind(&TForm1::SettoMaster1Click));
  VarMainStyle = AddMenuItem(this, root, "VarMainStyle", "Select Main Style");
  VarHLStyle = AddMenuItem(this, root, "VarHLStyle", "Select Highlight Style");
  AddMenuItem(this, root, "EditHighlightValue1", "Edit Highlight Value...", bind(&TForm1::EditHighlightValue1Click));
  platform::TMenuItem* when = AddMenuItem(this, root, "HighlightWhen1", "Highlight When");
  const char* whenItems[][2] = {{"LessThan1", "Less Than"},
                                {"GreaterThan1", "Greater Than"},
                                {"EqualTo1", "Equal To"},
                                {"NotEqualTo1", "Not Equal To"},
                                {"GreaterThanorEqualTo1", "Greater Than or Equal To"},
                                {"LessThanorEqualTo1", "Less Than or Equal To"}};
  for (const auto& item : whenItems) AddMenuItem(this, when, item[0], item[1], bind(&TForm1::HLWhenClick));
  AddMenuItem(this, when, "MasterisHighlighted1", "Master is Highlighted", bind(&TForm1::MasterisHighlighted1Click));
  AddMenuItem(this, when, "DoNotHighlight1", "Do Not Highlight", bind(&TForm1::HLWhenClick));
  platform::TMenuItem* varCaps = AddMenuItem(this, root, "Caps2", "Caps");
  AddMenuItem(this, varCaps, "Uppercase2", "Uppercase", bind(&TForm1::Uppercase1Click));
  AddMenuItem(this, varCaps, "Lowercase2", "Lowercase", bind(&TForm1::Lowercase1Click));
  AddMenuItem(this, varCaps, "InitialCaps2", "Initial Caps", bind(&TForm1::InitialCaps1Click));
  AddMenuItem(this, root, "GetVariableInfo1", "Get Variable Info", bind(&TForm1::GetVariableInfoClick));
}

}  // namespace designer
