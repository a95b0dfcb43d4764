#pragma once
// TForm1: the designer's main window. Its handlers live with their
// concern: start-up and lifecycle here in main_window/, placement in
// placement/, files in template_io/, styles in styles/, editing in editing/,
// popup commands in properties/, zoom in zoom/, the script in script/.
#include <functional>
#include <memory>
#include <string>

#include "designer/main_window/designer_program.h"
#include "designer/objects/stack.h"
#include "platform/controls/buttons.h"
#include "platform/controls/form.h"
#include "platform/controls/group_box.h"
#include "platform/controls/label.h"
#include "platform/controls/menus.h"
#include "platform/controls/panel.h"
#include "platform/controls/scroll_box.h"
#include "platform/dialogs/common_dialogs.h"

namespace platform {
class TIniFile;
}

namespace designer {

class TRegion;
class TReportRegion;
class TShapeRegion;
class TImageRegion;
class TRichTextRegion;
class TStyledLabel;
class TVariableLabel;

using platform::TComponent;
using platform::TControl;
using platform::TMouseButton;
using platform::TObject;
using platform::TShiftState;
using platform::TWinControl;

// Tool modes.
enum TToolMode : uint8_t {
  kModeNone = 0, kModeFixed = 1, kModeTitle = 2, kModeRepeat = 3, kModeText = 4, kModeRichText = 5,
  kModeReserved = 6, kModeImage = 7, kModeVariable = 8, kModeShape = 9, kModeCut = 10, kModeMove = 11,
  kModeSize = 12, kModePaste = 13, kModeCopy = 14
};

class TForm1 : public platform::TForm {
 public:
  explicit TForm1(DesignerProgram& program);
  ~TForm1() override;

  DesignerProgram& Program() { return program_; }

  // ---- Start-up and lifecycle (main_window/) ----
  void FormCreate(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormClose(TObject* Sender, platform::TCloseAction& Action);
  void FormDestroy(TObject* Sender);
  void FormResize(TObject* Sender);
  void GeneralHelp1Click(TObject* Sender);
  void theBrenlow1Click(TObject* Sender);
  void About1Click(TObject* Sender);

  // ---- Tool modes and placement (placement/) ----
  void SetMode(int mode);
  void ReleaseModeButtons();
  void ClickHandler(TObject* Sender);
  TControl* PlaceObject(TObject* target);
  bool HasRepeatRegion(TWinControl* container);
  bool HasTitleRegion(TWinControl* container);
  // Gives an object its popup menu and the mouse, drag and click handlers
  // of its kind, as placement does for every object it makes.
  void BindObjectHandlers(TControl* object, int mode);
  // Whether a click in a placing mode may put an object into target.
  bool AcceptsPlacement(TControl* target, int mode);
  void SpeedButton9Click(TObject* Sender);
  void Fixed1Click(TObject* Sender);
  void SpeedButton12Click(TObject* Sender);
  void Repeat1Click(TObject* Sender);
  void Text1Click(TObject* Sender);
  void SpeedButton7Click(TObject* Sender);
  void FixedImage1Click(TObject* Sender);
  void String1Click(TObject* Sender);
  void Integer1Click(TObject* Sender);
  void FloatingPoint1Click(TObject* Sender);
  void Page1Click(TObject* Sender);
  void ofPages1Click(TObject* Sender);
  void Date1Click(TObject* Sender);
  void Time1Click(TObject* Sender);
  void DateTime1Click(TObject* Sender);
  void SpeedButton10Click(TObject* Sender);
  void Shape1Click(TObject* Sender);
  void SpeedButton11Click(TObject* Sender);
  void SpeedButton5Click(TObject* Sender);
  void Move1Click(TObject* Sender);
  void SpeedButton6Click(TObject* Sender);
  void Size1Click(TObject* Sender);

  // ---- Template files (template_io/) ----
  void Blank1Click(TObject* Sender);
  void Open1Click(TObject* Sender);
  void Close1Click(TObject* Sender);
  void Save1Click(TObject* Sender);
  void SaveAs1Click(TObject* Sender);
  void Exit1Click(TObject* Sender);
  bool AskSaveChanges();
  void WriteReportStyle();
  void ReadReportStyle();
  double StrToFloatAnySep(const std::string& text);
  void FreeChildren(TWinControl* container);
  std::string ControlTypeName(TControl* control);
  void WriteControls(TWinControl* container);
  void ReadControls(const std::string& section);
  void ApplyStyleToLabel(TControl* target, const std::string& styleName);
  void ApplyStyleToRichText(TRichTextRegion* target, const std::string& styleName);

  // ---- Host script (script/) ----
  void GenerateControlCode(TWinControl* container);
  bool HasDynamicContent(TWinControl* region);
  void UCD1Click(TObject* Sender);
  void Xtra1Click(TObject* Sender);
  void DirectorLingo1Click(TObject* Sender);

  // ---- Styles (styles/) ----
  void SelectLabelStyleClick(TObject* Sender);
  void SelectVarMainStyleClick(TObject* Sender);
  void SelectVarHLStyleClick(TObject* Sender);
  void SelectParagraphStyleClick(TObject* Sender);
  void ModifyStyleClick(TObject* Sender);
  void DeleteStyleClick(TObject* Sender);
  void MakeStyleGlobalClick(TObject* Sender);
  void Text2Click(TObject* Sender);
  void Local1Click(TObject* Sender);
  void Global1Click(TObject* Sender);
  void WriteGlobalStyles();
  void ApplyStyle(TControl* control, const TStyleRecord& style);
  void ReapplyStyle(TWinControl* container, const TStyleRecord& style);
  // The seven menu items of style index, each captioned with its name.
  void CreateStyleMenuItems(int index);
  // Takes the items at position index out of the seven submenus.
  void RemoveStyleMenuItems(int index);

  // ---- Selection, drag, alignment, clipboard, undo (editing/) ----
  void TextMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void VarMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void PanelMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void RptRegMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void TitleRegMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void ImageRegMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void ShapeRegMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void RichTextMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void PanelMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void TextMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void PanelMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void PanelDragOver(TObject* Sender, TObject* Source, int X, int Y, platform::TDragState State, bool& Accept);
  void TextDragOver(TObject* Sender, TObject* Source, int X, int Y, platform::TDragState State, bool& Accept);
  void VarDragOver(TObject* Sender, TObject* Source, int X, int Y, platform::TDragState State, bool& Accept);
  void FormDragOver(TObject* Sender, TObject* Source, int X, int Y, platform::TDragState State, bool& Accept);
  void TextDblClick(TObject* Sender);
  void Lefts1Click(TObject* Sender);
  void Rights1Click(TObject* Sender);
  void Tops1Click(TObject* Sender);
  void Bottoms1Click(TObject* Sender);
  void SpeedButton4Click(TObject* Sender);
  void Cut1Click(TObject* Sender);
  void SpeedButton15Click(TObject* Sender);
  void Copy1Click(TObject* Sender);
  void SpeedButton16Click(TObject* Sender);
  void Paste1Click(TObject* Sender);
  void Undo1Click(TObject* Sender);
  void ClearSelection();
  void ToggleSelection(TControl* control);
  void AddParentOffsets(TControl* control, int& value);
  void SubParentOffsets(TControl* control, int& value);
  // A copy of the control and what it holds, with unique names, owned by
  // REPORT and placed nowhere yet.
  TControl* DuplicateComponent(TControl* source);

  // ---- Report style and border dialogs (dialogs/) ----
  void ModifyReportStyle1Click(TObject* Sender);
  void DrawBorder1Click(TObject* Sender);

  // ---- Popup commands (properties/) ----
  void EditText1Click(TObject* Sender);
  void Uppercase1Click(TObject* Sender);
  void Lowercase1Click(TObject* Sender);
  void InitialCaps1Click(TObject* Sender);
  void GetInfoClick(TObject* Sender);
  void RegionNameClick(TObject* Sender);
  void SizeRegionToPage1Click(TObject* Sender);
  void ToggleAbsolute1Click(TObject* Sender);
  void AllowMultiplePages1Click(TObject* Sender);
  // Gives "Allow Multiple Pages" the check of the repeat region whose
  // popup is about to open.
  void PrepareRepeatPopup(TRegion* region);
  void Rectangle1Click(TObject* Sender);
  void RoundRectangle1Click(TObject* Sender);
  void Ellipse1Click(TObject* Sender);
  void VerticalLine1Click(TObject* Sender);
  void HorizontalLine1Click(TObject* Sender);
  void EditText2Click(TObject* Sender);
  void SelectBorderColor1Click(TObject* Sender);
  void BorderThickness1Click(TObject* Sender);
  void patternClick(TObject* Sender);
  void BorderPatternClick(TObject* Sender);
  void EditImageName1Click(TObject* Sender);
  void Filename1Click(TObject* Sender);
  void FileLocation1Click(TObject* Sender);
  void SetToDynamic1Click(TObject* Sender);
  void ActualSize1Click(TObject* Sender);
  void ShowImageInfo1Click(TObject* Sender);
  void EditImageName2Click(TObject* Sender);
  void FromFile1Click(TObject* Sender);
  void Direct1Click(TObject* Sender);
  void FileLocation2Click(TObject* Sender);
  void SetToDynamic2Click(TObject* Sender);
  void ShowImageInfo2Click(TObject* Sender);
  void MenuItem1Click(TObject* Sender);
  void SettoMaster1Click(TObject* Sender);
  void EditHighlightValue1Click(TObject* Sender);
  void HLWhenClick(TObject* Sender);
  void MasterisHighlighted1Click(TObject* Sender);
  void GetVariableInfoClick(TObject* Sender);

  // ---- Zoom, borders view, minimum size (zoom/) ----
  void ZoomIn1Click(TObject* Sender);
  void ZoomOut1Click(TObject* Sender);
  void SetZoom(int level);
  void Standard1Click(TObject* Sender);
  void FullPage1Click(TObject* Sender);
  void ShowBorders1Click(TObject* Sender);
  void RefreshBorders(TWinControl* container);
  void RescaleRichText(TWinControl* container);
  void testMinSize(TObject* Sender, TObject* Target, int X, int Y);

  // ---- State (private fields of the original, open to the designer's
  // parts and to tests) ----
  bool FModified = false;
  std::string FFileName;
  int FScale = 100;
  int FStyleCount = 0;
  std::string FGlobalStylePath;
  std::unique_ptr<platform::TIniFile> FGlobalStyleFile;
  int FMode = kModeNone;
  platform::TRef<TControl> FPickedObject;
  platform::TRef<TControl> FCopySource;
  platform::TRef<TControl> FNewObject;
  std::string FVariableTypeWord;
  bool FProceed = false;
  std::unique_ptr<platform::TIniFile> FIniFile;
  int FSectionCounter = 0;
  // The name the template reader gives each region and variable it reads;
  // empty: the stored NAME. Copies read back through the reader take
  // fresh names this way (template_io/control_tree_io.h).
  std::function<std::string(const std::string& storedName)> FReadName;
  int FRegionCount = 0;
  int FTextCount = 0;
  int FRichTextCount = 0;
  int FImageCount = 0;
  int FVarCount = 0;
  int FShapeCount = 0;
  int FLabelGrabX = 0;
  int FLabelGrabY = 0;
  int FRegionGrabX = 0;
  int FRegionGrabY = 0;
  // The activation work is done once: Qt activates the window again after
  // every modal dialog, and doing it again would trap the author in the
  // report style dialog.
  bool FActivated = false;

  // ---- Controls and components of the window ----
  platform::TPanel* Panel1 = nullptr;
  platform::TGroupBox* GroupBox1 = nullptr;
  platform::TGroupBox* GroupBox2 = nullptr;
  platform::TGroupBox* GroupBox3 = nullptr;
  platform::TLabel* zoomLabel = nullptr;
  platform::TLabel* Label4 = nullptr;
  platform::TLabel* Label1 = nullptr;
  platform::TLabel* ModeLabel = nullptr;
  platform::TLabel* tempLabel = nullptr;
  platform::TScrollBox* ScrollBox1 = nullptr;
  platform::TScrollBox* ScrollBox2 = nullptr;
  TReportRegion* REPORT = nullptr;

  // Tool buttons: placement (left box), edit tools (middle box, one
  // group), zoom (right box).
  platform::TSpeedButton* SpeedButton1 = nullptr;   // Fixed Region
  platform::TSpeedButton* SpeedButton12 = nullptr;  // Title Region
  platform::TSpeedButton* SpeedButton2 = nullptr;   // Repeat Region
  platform::TSpeedButton* SpeedButton7 = nullptr;   // Rich Text Region
  platform::TSpeedButton* SpeedButton11 = nullptr;  // Shape Region
  platform::TSpeedButton* SpeedButton3 = nullptr;   // Image Region
  platform::TSpeedButton* SpeedButton8 = nullptr;   // Add Text
  platform::TSpeedButton* SpeedButton10 = nullptr;  // Add Variable
  platform::TSpeedButton* SpeedButton5 = nullptr;   // Move
  platform::TSpeedButton* SpeedButton6 = nullptr;   // Size
  platform::TSpeedButton* SpeedButton9 = nullptr;   // Cancel/Refresh
  platform::TSpeedButton* SpeedButton15 = nullptr;  // Copy
  platform::TSpeedButton* SpeedButton16 = nullptr;  // Paste
  platform::TSpeedButton* SpeedButton4 = nullptr;   // Cut
  platform::TSpeedButton* SpeedButton13 = nullptr;  // Zoom In
  platform::TSpeedButton* SpeedButton14 = nullptr;  // Zoom Out

  TStack* Stack1 = nullptr;
  TStack* Stack2 = nullptr;
  platform::TFontDialog* FontDialog1 = nullptr;
  platform::TFontDialog* FontDialog2 = nullptr;
  platform::TColorDialog* ColorDialog1 = nullptr;
  platform::TOpenDialog* OpenDialog1 = nullptr;
  platform::TOpenDialog* OpenDialog2 = nullptr;
  platform::TSaveDialog* SaveDialog1 = nullptr;

  platform::TMainMenu* MainMenu1 = nullptr;
  // Main menu items by their names; the style submenus hold one item per
  // style at the style's index.
  platform::TMenuItem* File1 = nullptr;
  platform::TMenuItem* Blank1 = nullptr;
  platform::TMenuItem* Open1 = nullptr;
  platform::TMenuItem* Close1 = nullptr;
  platform::TMenuItem* Save1 = nullptr;
  platform::TMenuItem* SaveAs1 = nullptr;
  platform::TMenuItem* Exit1 = nullptr;
  platform::TMenuItem* Edit1 = nullptr;
  platform::TMenuItem* Undo1 = nullptr;
  platform::TMenuItem* Cut1 = nullptr;
  platform::TMenuItem* Copy1 = nullptr;
  platform::TMenuItem* Paste1 = nullptr;
  platform::TMenuItem* Move1 = nullptr;
  platform::TMenuItem* Size1 = nullptr;
  platform::TMenuItem* View1 = nullptr;
  platform::TMenuItem* Standard1 = nullptr;
  platform::TMenuItem* FullPage1 = nullptr;
  platform::TMenuItem* ZoomIn1 = nullptr;
  platform::TMenuItem* ZoomOut1 = nullptr;
  platform::TMenuItem* ShowBorders1 = nullptr;
  platform::TMenuItem* Add1 = nullptr;
  platform::TMenuItem* AddRegion1 = nullptr;
  platform::TMenuItem* Fixed1 = nullptr;
  platform::TMenuItem* Repeat1 = nullptr;
  platform::TMenuItem* RichText1 = nullptr;
  platform::TMenuItem* FixedImage1 = nullptr;
  platform::TMenuItem* Text1 = nullptr;
  platform::TMenuItem* Shape1 = nullptr;
  platform::TMenuItem* Variable1 = nullptr;
  platform::TMenuItem* String1 = nullptr;
  platform::TMenuItem* Integer1 = nullptr;
  platform::TMenuItem* FloatingPoint1 = nullptr;
  platform::TMenuItem* System1 = nullptr;
  platform::TMenuItem* Page1 = nullptr;
  platform::TMenuItem* ofPages1 = nullptr;
  platform::TMenuItem* Date1 = nullptr;
  platform::TMenuItem* Time1 = nullptr;
  platform::TMenuItem* DateTime1 = nullptr;
  platform::TMenuItem* Style1 = nullptr;
  platform::TMenuItem* Text2 = nullptr;
  platform::TMenuItem* ModifyStyle1 = nullptr;
  platform::TMenuItem* ModifyReportStyle1 = nullptr;
  platform::TMenuItem* DeleteStyle1 = nullptr;
  platform::TMenuItem* MakeStyleGlobal1 = nullptr;
  platform::TMenuItem* ShowStyles1 = nullptr;
  platform::TMenuItem* Local1 = nullptr;
  platform::TMenuItem* Global1 = nullptr;
  platform::TMenuItem* Align1 = nullptr;
  platform::TMenuItem* Tops1 = nullptr;
  platform::TMenuItem* Bottoms1 = nullptr;
  platform::TMenuItem* Lefts1 = nullptr;
  platform::TMenuItem* Rights1 = nullptr;
  platform::TMenuItem* Code1 = nullptr;
  platform::TMenuItem* Generate1 = nullptr;
  platform::TMenuItem* Authorware1 = nullptr;
  platform::TMenuItem* UCD1 = nullptr;
  platform::TMenuItem* Xtra1 = nullptr;
  platform::TMenuItem* DirectorLingo1 = nullptr;
  platform::TMenuItem* Help1 = nullptr;
  platform::TMenuItem* GeneralHelp1 = nullptr;
  platform::TMenuItem* theBrenlow1 = nullptr;
  platform::TMenuItem* About1 = nullptr;

  // Popup menus of the objects, with the items other parts reach.
  platform::TPopupMenu* PopupMenu1 = nullptr;  // the Add Variable button's
  platform::TPopupMenu* PopupMenu2 = nullptr;  // fixed regions
  platform::TPopupMenu* RepeatPopup = nullptr;
  platform::TPopupMenu* TitlePopup = nullptr;
  platform::TPopupMenu* LabelPopup = nullptr;
  platform::TPopupMenu* VariablePopup = nullptr;
  platform::TPopupMenu* ShapePopup = nullptr;
  platform::TPopupMenu* ImagePopup = nullptr;
  platform::TPopupMenu* RichTextPopup = nullptr;
  platform::TMenuItem* SelectStyle1 = nullptr;          // in LabelPopup
  platform::TMenuItem* VarMainStyle = nullptr;          // in VariablePopup
  platform::TMenuItem* VarHLStyle = nullptr;            // in VariablePopup
  platform::TMenuItem* AllowMultiplePages1 = nullptr;   // in RepeatPopup

 private:
  // The window's controls, menus and popup menus, as its form describes
  // them (main_window/).
  void BuildToolBar();
  void BuildMainMenu();
  void BuildPopupMenus();

  DesignerProgram& program_;
};

}  // namespace designer
