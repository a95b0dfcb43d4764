// The main menu of the designer's window, item by item, each bound to the
// handler of its concern.
#include "designer/main_window/form1.h"
#include "designer/main_window/menu_building.h"

namespace designer {

void TForm1::BuildMainMenu() {
  MainMenu1 = new platform::TMainMenu(this);
  MainMenu1->SetName("MainMenu1");
  platform::TMenuItem* root = MainMenu1->Items();
  auto bind = [this](void (TForm1::*handler)(TObject*)) {
    return [this, handler](TObject* sender) { (this->*handler)(sender); };
  };

  File1 = AddMenuItem(this, root, "File1", "&File");
  Blank1 = AddMenuItem(this, File1, "Blank1", "New", bind(&TForm1::Blank1Click));
  Open1 = AddMenuItem(this, File1, "Open1", "Open...", bind(&TForm1::Open1Click));
  Close1 = AddMenuItem(this, File1, "Close1", "Close", bind(&TForm1::Close1Click));
  Save1 = AddMenuItem(this, File1, "Save1", "Save", bind(&TForm1::Save1Click), "Ctrl+S");
  SaveAs1 = AddMenuItem(this, File1, "SaveAs1", "Save As...", bind(&TForm1::SaveAs1Click));
  AddSeparator(this, File1);
  Exit1 = AddMenuItem(this, File1, "Exit1", "Exit", bind(&TForm1::Exit1Click));

  Edit1 = AddMenuItem(this, root, "Edit1", "&Edit");
  Undo1 = AddMenuItem(this, Edit1, "Undo1", "Undo", bind(&TForm1::Undo1Click), "Alt+BkSp");
  AddSeparator(this, Edit1);
  Cut1 = AddMenuItem(this, Edit1, "Cut1", "Cut", bind(&TForm1::Cut1Click));
  Copy1 = AddMenuItem(this, Edit1, "Copy1", "Copy", bind(&TForm1::Copy1Click), "Ctrl+C");
  Paste1 = AddMenuItem(this, Edit1, "Paste1", "Paste", bind(&TForm1::Paste1Click), "Ctrl+V");
  Move1 = AddMenuItem(this, Edit1, "Move1", "Move", bind(&TForm1::Move1Click), "F2");
  Size1 = AddMenuItem(this, Edit1, "Size1", "Size", bind(&TForm1::Size1Click), "F3");

  View1 = AddMenuItem(this, root, "View1", "&View");
  Standard1 = AddMenuItem(this, View1, "Standard1", "Standard", bind(&TForm1::Standard1Click));
  FullPage1 = AddMenuItem(this, View1, "FullPage1", "Full Page", bind(&TForm1::FullPage1Click));
  ZoomIn1 = AddMenuItem(this, View1, "ZoomIn1", "Zoom In", bind(&TForm1::ZoomIn1Click), "F4");
  ZoomOut1 = AddMenuItem(this, View1, "ZoomOut1", "Zoom Out", bind(&TForm1::ZoomOut1Click), "F5");
  AddSeparator(this, View1);
  ShowBorders1 = AddMenuItem(this, View1, "ShowBorders1", "Show Borders", bind(&TForm1::ShowBorders1Click));

  Add1 = AddMenuItem(this, root, "Add1", "&Add");
  AddRegion1 = AddMenuItem(this, Add1, "AddRegion1", "Region");
  Fixed1 = AddMenuItem(this, AddRegion1, "Fixed1", "Fixed", bind(&TForm1::Fixed1Click));
  Repeat1 = AddMenuItem(this, AddRegion1, "Repeat1", "Repeat", bind(&TForm1::Repeat1Click));
  // Rich-text regions are placed with their tool button only.
  RichText1 = AddMenuItem(this, AddRegion1, "RichText1", "RichText");
  FixedImage1 = AddMenuItem(this, AddRegion1, "FixedImage1", "Fixed Image", bind(&TForm1::FixedImage1Click));
  Text1 = AddMenuItem(this, Add1, "Text1", "Text", bind(&TForm1::Text1Click));
  Shape1 = AddMenuItem(this, Add1, "Shape1", "Shape", bind(&TForm1::Shape1Click));
  Variable1 = AddMenuItem(this, Add1, "Variable1", "Variable");
  String1 = AddMenuItem(this, Variable1, "String1", "String", bind(&TForm1::String1Click));
  Integer1 = AddMenuItem(this, Variable1, "Integer1", "Integer", bind(&TForm1::Integer1Click));
  FloatingPoint1 = AddMenuItem(this, Variable1, "FloatingPoint1", "Floating Point",
                               bind(&TForm1::FloatingPoint1Click));
  System1 = AddMenuItem(this, Variable1, "System1", "System");
  Page1 = AddMenuItem(this, System1, "Page1", "Page #", bind(&TForm1::Page1Click));
  ofPages1 = AddMenuItem(this, System1, "ofPages1", "# of Pages", bind(&TForm1::ofPages1Click));
  Date1 = AddMenuItem(this, System1, "Date1", "Date", bind(&TForm1::Date1Click));
  Time1 = AddMenuItem(this, System1, "Time1", "Time", bind(&TForm1::Time1Click));
  DateTime1 = AddMenuItem(this, System1, "DateTime1", "Date/Time", bind(&TForm1::DateTime1Click));

  Style1 = AddMenuItem(this, root, "Style1", "&Style");
  Text2 = AddMenuItem(this, Style1, "Text2", "Add Text Style...", bind(&TForm1::Text2Click));
  ModifyStyle1 = AddMenuItem(this, Style1, "ModifyStyle1", "Modify Style");
  ModifyReportStyle1 =
      AddMenuItem(this, Style1, "ModifyReportStyle1", "Modify Report Style", bind(&TForm1::ModifyReportStyle1Click));
  DeleteStyle1 = AddMenuItem(this, Style1, "DeleteStyle1", "Delete Style");
  MakeStyleGlobal1 = AddMenuItem(this, Style1, "MakeStyleGlobal1", "Make Style Global");
  ShowStyles1 = AddMenuItem(this, Style1, "ShowStyles1", "Show Styles");
  Local1 = AddMenuItem(this, ShowStyles1, "Local1", "Local", bind(&TForm1::Local1Click));
  Global1 = AddMenuItem(this, ShowStyles1, "Global1", "Global", bind(&TForm1::Global1Click));

  Align1 = AddMenuItem(this, root, "Align1", "A&lign");
  Tops1 = AddMenuItem(this, Align1, "Tops1", "Tops", bind(&TForm1::Tops1Click), "Ctrl+T");
  Bottoms1 = AddMenuItem(this, Align1, "Bottoms1", "Bottoms", bind(&TForm1::Bottoms1Click), "Ctrl+B");
  Lefts1 = AddMenuItem(this, Align1, "Lefts1", "Lefts", bind(&TForm1::Lefts1Click), "Ctrl+L");
  Rights1 = AddMenuItem(this, Align1, "Rights1", "Rights", bind(&TForm1::Rights1Click), "Ctrl+R");

  Code1 = AddMenuItem(this, root, "Code1", "&Code");
  Generate1 = AddMenuItem(this, Code1, "Generate1", "Generate");
  Authorware1 = AddMenuItem(this, Generate1, "Authorware1", "Authorware");
  UCD1 = AddMenuItem(this, Authorware1, "UCD1", "UCD", bind(&TForm1::UCD1Click));
  Xtra1 = AddMenuItem(this, Authorware1, "Xtra1", "Xtra", bind(&TForm1::Xtra1Click));
  DirectorLingo1 = AddMenuItem(this, Generate1, "DirectorLingo1", "Director Lingo", bind(&TForm1::DirectorLingo1Click));

  Help1 = AddMenuItem(this, root, "Help1", "&Help");
  GeneralHelp1 = AddMenuItem(this, Help1, "GeneralHelp1", "Contents", bind(&TForm1::GeneralHelp1Click));
  theBrenlow1 = AddMenuItem(this, Help1, "theBrenlow1", "the Brenlow...", bind(&TForm1::theBrenlow1Click));
  AddSeparator(this, Help1);
  About1 = AddMenuItem(this, Help1, "About1", "About...", bind(&TForm1::About1Click));

  SetMenu(MainMenu1);
}

}  // namespace designer
