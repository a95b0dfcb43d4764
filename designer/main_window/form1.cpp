// The main window as its form describes it: the tool bar on a panel at the
// top, the paper in a scroll box below, the report area on the paper, the
// main menu and the popup menus; then its creation handler runs.
#include "designer/main_window/form1.h"

#include "designer/objects/regions.h"
#include "platform/ini/ini_file.h"

namespace designer {

TForm1::TForm1(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  SetName("Form1");
  SetBounds(0, 0, 808, 613);
  SetFont(platform::TFont{"MS Sans Serif", 8, platform::clWindowText, 0});
  SetColor(platform::clBtnFace);

  BuildToolBar();

  ScrollBox1 = new platform::TScrollBox(this);
  ScrollBox1->SetName("ScrollBox1");
  ScrollBox1->SetParent(this);
  ScrollBox1->SetAlign(platform::TAlign::alClient);
  ScrollBox1->SetColor(platform::clBtnFace);

  ScrollBox2 = new platform::TScrollBox(this);
  ScrollBox2->SetName("ScrollBox2");
  ScrollBox2->SetParent(ScrollBox1);
  ScrollBox2->SetColor(platform::clGray);
  ScrollBox2->SetBounds(39, 0, 850, 1100);

  REPORT = new TReportRegion(this);
  REPORT->SetName("REPORT");
  REPORT->SetParent(ScrollBox2);
  REPORT->SetColor(platform::clSilver);
  REPORT->SetBevelOuter(platform::TBevelCut::bvLowered);
  REPORT->RegionType = TRegionType::fixedRegion;
  REPORT->MultiPage = false;
  REPORT->OnClick = [this](TObject* sender) { ClickHandler(sender); };
  REPORT->OnDragOver = [this](TObject* sender, TObject* source, int x, int y, platform::TDragState state,
                              bool& accept) { PanelDragOver(sender, source, x, y, state, accept); };
  REPORT->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
    PanelMouseDown(sender, button, shift, x, y);
  };
  REPORT->OnMouseMove = [this](TObject* sender, TShiftState shift, int x, int y) {
    PanelMouseMove(sender, shift, x, y);
  };

  OnClick = [this](TObject* sender) { ClickHandler(sender); };
  OnDragOver = [this](TObject* sender, TObject* source, int x, int y, platform::TDragState state, bool& accept) {
    FormDragOver(sender, source, x, y, state, accept);
  };

  Stack1 = new TStack(this);
  Stack1->SetName("Stack1");
  Stack2 = new TStack(this);
  Stack2->SetName("Stack2");
  FontDialog1 = new platform::TFontDialog(this);
  FontDialog1->SetName("FontDialog1");
  FontDialog2 = new platform::TFontDialog(this);
  FontDialog2->SetName("FontDialog2");
  ColorDialog1 = new platform::TColorDialog(this);
  ColorDialog1->SetName("ColorDialog1");
  OpenDialog1 = new platform::TOpenDialog(this);
  OpenDialog1->SetName("OpenDialog1");
  OpenDialog2 = new platform::TOpenDialog(this);
  OpenDialog2->SetName("OpenDialog2");
  OpenDialog2->Filter = "Report File|*.qnf";
  SaveDialog1 = new platform::TSaveDialog(this);
  SaveDialog1->SetName("SaveDialog1");
  SaveDialog1->Filter = "Report Files|*.qnf";

  BuildMainMenu();
  BuildPopupMenus();

  OnActivate = [this](TObject* sender) { FormActivate(sender); };
  OnClose = [this](TObject* sender, platform::TCloseAction& action) { FormClose(sender, action); };
  OnDestroy = [this](TObject* sender) { FormDestroy(sender); };
  OnResize = [this](TObject* sender) { FormResize(sender); };
  FormCreate(this);
}

TForm1::~TForm1() { DoDestroy(); }

}  // namespace designer
