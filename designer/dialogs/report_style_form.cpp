#include "designer/dialogs/report_style_form.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <string>

#include "designer/dialogs/dialog_controls.h"
#include "designer/dialogs/dialog_numbers.h"
#include "designer/dialogs/folder_of_path.h"
#include "designer/dialogs/border_pen.h"
#include "designer/main_window/auto_scale_form.h"
#include "designer/template_io/stored_path.h"
#include "platform/dialogs/dialog_service.h"

namespace designer {
namespace {

struct PaperEntry {
  const char* text;
  double width, height;  // inches
};

constexpr PaperEntry kPaperTable[] = {
    {"A4: 8.27 X 11.69", 8.27, 11.69},
    {"Executive: 7.25 X 10.5", 7.25, 10.5},
    {"Legal: 8.5 X 14", 8.5, 14},
    {"Letter: 8.5 X 11", 8.5, 11},
};
constexpr int kPaperCount = static_cast<int>(std::size(kPaperTable));

constexpr double kPreviewPixelsPerInch = 15;
// Bounds of a size the page can be laid out with; also what keeps the
// preview's pixel positions within an integer while the author types.
constexpr double kLargestSize = 200;

// A size as the preview draws it: whatever is typed, within the sizes a
// page may have.
double PreviewInches(double inches) {
  if (!(inches > 0)) return 0;
  return std::min(inches, kLargestSize);
}

bool IsAllowedSize(std::optional<double> inches) { return inches && *inches > 0 && *inches <= kLargestSize; }

std::string SizeMessage(const std::string& what) {
  return what + " must be a number greater than 0 and at most 200 inches.";
}

// Fills a rectangle with a colour and nothing else, as the class
// library's FillRect does; the pen of the preview stays as it was.
void FillPreviewRect(platform::TPaintBox& box, int left, int top, int right, int bottom, platform::TColor color) {
  platform::TCanvas& canvas = box.Canvas();
  const platform::TPen border = canvas.Pen;
  canvas.Pen = platform::TPen{color, 1, platform::TPenStyle::psSolid, platform::TPenMode::pmCopy};
  canvas.Brush = platform::TBrush{color, platform::TBrushStyle::bsSolid};
  canvas.Rectangle(left, top, right, bottom);
  canvas.Pen = border;
}

}  // namespace

TReportStyleForm::TReportStyleForm(DesignerProgram& program)
    : platform::TForm(&program.Forms()), program_(program) {
  AutoScaleForm(*this);
  SetName("ReportStyleForm");
  SetCaption("Report Style");
  SetPosition(platform::TPosition::poScreenCenter);
  BuildControls();

  working_.ImageDirectory.clear();
  working_.RtfDirectory.clear();

  OnShow = [this](TObject* sender) { FormShow(sender); };
  OnActivate = [this](TObject* sender) { FormActivate(sender); };
  OnCloseQuery = [this](TObject* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
  widthEB->OnChange = [this](TObject* sender) { widthEBChange(sender); };
  heightEB->OnChange = [this](TObject* sender) { heightEBChange(sender); };
  ComboBox1->OnChange = [this](TObject* sender) { ComboBox1Change(sender); };
  PortraitRB->OnClick = [this](TObject* sender) { PortraitRBClick(sender); };
  LandscapeRB->OnClick = [this](TObject* sender) { LandscapeRBClick(sender); };
  for (platform::TCheckBox* side : {LeftCB, TopCB, RightCB, BottomCB})
    side->OnClick = [this](TObject* sender) { CBClick(sender); };
  penWidthEB->OnChange = [this](TObject* sender) { penWidthEBChange(sender); };
  ComboBox2->OnChange = [this](TObject* sender) { ComboBox2Change(sender); };
  Button3->OnClick = [this](TObject* sender) { Button3Click(sender); };
  Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };
  Button2->OnClick = [this](TObject* sender) { Button2Click(sender); };
  BitBtn1->OnClick = [this](TObject* sender) { BitBtn1Click(sender); };
}

void TReportStyleForm::BuildControls() {
  using platform::TButton;
  using platform::TCheckBox;
  using platform::TComboBox;
  using platform::TEdit;
  using platform::TRadioButton;

  GroupBox1 = MakeCaptioned<platform::TGroupBox>(this, this, "GroupBox1", "Report Size", 8, 8, 225, 70);
  Label2 = MakeLabel(this, GroupBox1, "Label2", "Width:", 64, 18);
  Label3 = MakeLabel(this, GroupBox1, "Label3", "Height:", 142, 18);
  Label1 = MakeLabel(this, GroupBox1, "Label1", "Inches:", 12, 40);
  widthEB = MakeControl<TEdit>(this, GroupBox1, "widthEB", 64, 36, 70, 21);
  widthEB->SetText("8");
  heightEB = MakeControl<TEdit>(this, GroupBox1, "heightEB", 142, 36, 70, 21);
  heightEB->SetText("10");

  Label4 = MakeLabel(this, this, "Label4", "Paper Size:", 8, 86);
  ComboBox1 = MakeControl<TComboBox>(this, this, "ComboBox1", 8, 102, 225, 21);
  std::vector<std::string> papers;
  for (const PaperEntry& paper : kPaperTable) papers.emplace_back(paper.text);
  ComboBox1->SetItems(papers);

  GroupBox2 = MakeCaptioned<platform::TGroupBox>(this, this, "GroupBox2", "Orientation", 8, 132, 225, 46);
  PortraitRB = MakeCaptioned<TRadioButton>(this, GroupBox2, "PortraitRB", "Portrait", 12, 20, 90, 17);
  LandscapeRB = MakeCaptioned<TRadioButton>(this, GroupBox2, "LandscapeRB", "Landscape", 112, 20, 100, 17);
  PortraitRB->SetChecked(true);

  GroupBox3 = MakeCaptioned<platform::TGroupBox>(this, this, "GroupBox3", "Border", 8, 186, 225, 124);
  LeftCB = MakeCaptioned<TCheckBox>(this, GroupBox3, "LeftCB", "Left", 12, 20, 90, 17);
  TopCB = MakeCaptioned<TCheckBox>(this, GroupBox3, "TopCB", "Top", 112, 20, 90, 17);
  RightCB = MakeCaptioned<TCheckBox>(this, GroupBox3, "RightCB", "Right", 12, 40, 90, 17);
  BottomCB = MakeCaptioned<TCheckBox>(this, GroupBox3, "BottomCB", "Bottom", 112, 40, 90, 17);
  Label5 = MakeLabel(this, GroupBox3, "Label5", "Thickness:", 12, 69);
  penWidthEB = MakeControl<TEdit>(this, GroupBox3, "penWidthEB", 80, 65, 44, 21);
  penWidthEB->SetText("2");
  Button3 = MakeCaptioned<TButton>(this, GroupBox3, "Button3", "Color", 137, 64, 75, 23);
  ComboBox2 = MakeControl<TComboBox>(this, GroupBox3, "ComboBox2", 12, 94, 200, 21);
  ComboBox2->SetItems(PenStyleNames());
  ComboBox2->SetItemIndex(0);

  PaintBox1 = MakeControl<platform::TPaintBox>(this, this, "PaintBox1", 248, 12, 217, 201);

  Label6 = MakeLabel(this, this, "Label6", "Image File Location:", 248, 222);
  Edit1 = MakeControl<TEdit>(this, this, "Edit1", 248, 238, 136, 21);
  Edit1->SetText("IMAGES");
  Button1 = MakeCaptioned<TButton>(this, this, "Button1", "Browse", 390, 237, 75, 23);
  Label7 = MakeLabel(this, this, "Label7", "RTF File Location:", 248, 266);
  Edit2 = MakeControl<TEdit>(this, this, "Edit2", 248, 282, 136, 21);
  Edit2->SetText("RTFS");
  Button2 = MakeCaptioned<TButton>(this, this, "Button2", "Browse", 390, 281, 75, 23);

  BitBtn1 = MakeCaptioned<platform::TBitBtn>(this, this, "BitBtn1", "OK", 304, 322, 75, 25);
  BitBtn1->SetModalResult(platform::mrOk);
  BitBtn1->SetDefault(true);
  BitBtn2 = MakeCaptioned<platform::TBitBtn>(this, this, "BitBtn2", "Cancel", 390, 322, 75, 25);
  BitBtn2->SetModalResult(platform::mrCancel);
  BitBtn2->SetCancel(true);

  OpenDialog1 = new platform::TOpenDialog(this);
  OpenDialog1->SetName("OpenDialog1");
  ColorDialog1 = new platform::TColorDialog(this);
  ColorDialog1->SetName("ColorDialog1");

  SetClientSize(473, 356);
  SetFixedSize(true);
}

void TReportStyleForm::FormShow(TObject* sender) {
  // Every showing starts from the record, before the window is up.
  activationDue_ = true;
  FormActivate(sender);
}

void TReportStyleForm::FormActivate(TObject*) {
  if (!activationDue_) return;
  activationDue_ = false;
  working_ = program_.ReportStyle;
  FillControls();
  Redraw();
}

void TReportStyleForm::FillControls() {
  filling_ = true;
  widthEB->SetText(RealFieldText(working_.ReportWidth));
  heightEB->SetText(RealFieldText(working_.ReportHeight));
  Edit1->SetText(working_.ImageDirectory);
  Edit2->SetText(working_.RtfDirectory);
  // A paper of its own (a template's custom size) selects no entry and
  // keeps its size until the author picks one.
  int paper = -1;
  for (int i = 0; i < kPaperCount && paper < 0; ++i)
    if (kPaperTable[i].width == working_.PaperWidth && kPaperTable[i].height == working_.PaperHeight) paper = i;
  ComboBox1->SetItemIndex(paper);
  if (working_.Orientation != 0) {
    LandscapeRB->SetChecked(true);
  } else {
    PortraitRB->SetChecked(true);
  }
  const int32_t sides = working_.PageBorder.Sides;
  LeftCB->SetChecked((sides & kSideLeft) != 0);
  TopCB->SetChecked((sides & kSideTop) != 0);
  RightCB->SetChecked((sides & kSideRight) != 0);
  BottomCB->SetChecked((sides & kSideBottom) != 0);
  penWidthEB->SetText(std::to_string(working_.PageBorder.Width));
  SetPenWidth(PaintBox1->Canvas().Pen, working_.PageBorder.Width);
  ComboBox2->SetItemIndex(IsPenStyleIndex(working_.PageBorder.LineStyle) ? working_.PageBorder.LineStyle : -1);
  PaintBox1->Canvas().Pen.Color = static_cast<platform::TColor>(working_.PageBorder.Color);
  filling_ = false;
}

void TReportStyleForm::FormCloseQuery(TObject*, bool& CanClose) {
  // While Cancel is disabled the page layout must be confirmed with OK;
  // the close box would otherwise answer Cancel all the same.
  CanClose = BitBtn2->Enabled();
}

void TReportStyleForm::Redraw() {
  ClearPreview();
  DrawPaper();
  DrawPrintableArea();
  DrawBorder();
}

void TReportStyleForm::ClearPreview() {
  PaintBox1->Canvas().Brush = platform::TBrush{platform::clGray, platform::TBrushStyle::bsSolid};
  PaintBox1->FloodFill(0, 0, platform::clGray, platform::TFillStyle::fsBorder);
  PaintBox1->Repaint();
}

void TReportStyleForm::DrawPaper() {
  if (const int paper = ComboBox1->ItemIndex(); paper >= 0 && paper < kPaperCount) {
    working_.PaperWidth = kPaperTable[paper].width;
    working_.PaperHeight = kPaperTable[paper].height;
  }
  const double width = PreviewInches(working_.PaperWidth) * kPreviewPixelsPerInch;
  const double height = PreviewInches(working_.PaperHeight) * kPreviewPixelsPerInch;
  const bool landscape = working_.Orientation != 0;
  preview_.PageWidth = landscape ? height : width;
  preview_.PageHeight = landscape ? width : height;
  FillPreviewRect(*PaintBox1, 0, 0, RoundHalfEven(preview_.PageWidth), RoundHalfEven(preview_.PageHeight),
                  platform::clGray);
}

void TReportStyleForm::DrawPrintableArea() {
  // A field that holds no number yet draws the size last typed.
  const double inchesWide = PreviewInches(ReadRealField(widthEB->Text()).value_or(working_.ReportWidth));
  const double inchesHigh = PreviewInches(ReadRealField(heightEB->Text()).value_or(working_.ReportHeight));
  const double width = inchesWide * kPreviewPixelsPerInch;
  const double height = inchesHigh * kPreviewPixelsPerInch;
  const bool landscape = working_.Orientation != 0;
  preview_.AreaWidth = landscape ? height : width;
  preview_.AreaHeight = landscape ? width : height;
  preview_.AreaLeft = (preview_.PageWidth - preview_.AreaWidth) * 0.5;
  preview_.AreaTop = (preview_.PageHeight - preview_.AreaHeight) * 0.5;
  FillPreviewRect(*PaintBox1, RoundHalfEven(preview_.AreaLeft), RoundHalfEven(preview_.AreaTop),
                  RoundHalfEven(preview_.AreaLeft + preview_.AreaWidth),
                  RoundHalfEven(preview_.AreaTop + preview_.AreaHeight), platform::clWhite);
}

void TReportStyleForm::DrawBorder() {
  platform::TPen& pen = PaintBox1->Canvas().Pen;
  TBorderRecord& border = working_.PageBorder;
  pen.Style = ComboBox2->Text() == "Solid" ? platform::TPenStyle::psSolid
                                           : PenStyleOf(ComboBox2->ItemIndex(), border.LineStyle);
  pen.Color = static_cast<platform::TColor>(border.Color);
  border.Sides = 0;
  if (LeftCB->Checked()) {
    border.Sides += kSideLeft;
    DrawLeftSide();
  }
  if (RightCB->Checked()) {
    border.Sides += kSideRight;
    DrawRightSide();
  }
  if (TopCB->Checked()) {
    border.Sides += kSideTop;
    DrawTopSide();
  }
  if (BottomCB->Checked()) {
    border.Sides += kSideBottom;
    DrawBottomSide();
  }
}

void TReportStyleForm::DrawLeftSide() {
  const double left = preview_.AreaLeft, top = preview_.AreaTop, bottom = top + preview_.AreaHeight;
  PaintBox1->Canvas().MoveTo(RoundHalfEven(left + 5), RoundHalfEven(top + 5));
  PaintBox1->Canvas().LineTo(RoundHalfEven(left + 5), RoundHalfEven(bottom - 5));
}

void TReportStyleForm::DrawRightSide() {
  const double top = preview_.AreaTop, right = preview_.AreaLeft + preview_.AreaWidth;
  const double bottom = top + preview_.AreaHeight;
  PaintBox1->Canvas().MoveTo(RoundHalfEven(right - 5), RoundHalfEven(top + 5));
  PaintBox1->Canvas().LineTo(RoundHalfEven(right - 5), RoundHalfEven(bottom - 5));
}

void TReportStyleForm::DrawTopSide() {
  const double left = preview_.AreaLeft, top = preview_.AreaTop, right = left + preview_.AreaWidth;
  PaintBox1->Canvas().MoveTo(RoundHalfEven(left + 5), RoundHalfEven(top + 5));
  PaintBox1->Canvas().LineTo(RoundHalfEven(right - 5), RoundHalfEven(top + 5));
}

void TReportStyleForm::DrawBottomSide() {
  const double left = preview_.AreaLeft, right = left + preview_.AreaWidth;
  const double bottom = preview_.AreaTop + preview_.AreaHeight;
  PaintBox1->Canvas().MoveTo(RoundHalfEven(left + 5), RoundHalfEven(bottom - 5));
  PaintBox1->Canvas().LineTo(RoundHalfEven(right - 5), RoundHalfEven(bottom - 5));
}

void TReportStyleForm::widthEBChange(TObject*) {
  if (filling_) return;
  // Half-typed text ("", "-", "8,") stores nothing; OK refuses it if it
  // stays so.
  if (const std::optional<double> inches = ReadRealField(widthEB->Text())) working_.ReportWidth = *inches;
  Redraw();
}

void TReportStyleForm::heightEBChange(TObject*) {
  if (filling_) return;
  if (const std::optional<double> inches = ReadRealField(heightEB->Text())) working_.ReportHeight = *inches;
  Redraw();
}

void TReportStyleForm::ComboBox1Change(TObject*) {
  if (filling_) return;
  Redraw();
}

void TReportStyleForm::PortraitRBClick(TObject*) {
  if (filling_) return;
  working_.Orientation = 0;
  Redraw();
}

void TReportStyleForm::LandscapeRBClick(TObject*) {
  if (filling_) return;
  working_.Orientation = 1;
  Redraw();
}

void TReportStyleForm::CBClick(TObject*) {
  if (filling_) return;
  Redraw();
}

void TReportStyleForm::penWidthEBChange(TObject*) {
  if (filling_) return;
  const std::string text = penWidthEB->Text();
  if (!text.empty()) {
    platform::TPen& pen = PaintBox1->Canvas().Pen;
    SetPenWidth(pen, ReadPenWidth(text));
    working_.PageBorder.Width = pen.Width;
  }
  Redraw();
}

void TReportStyleForm::ComboBox2Change(TObject*) {
  if (filling_) return;
  if (const int style = ComboBox2->ItemIndex(); style >= 0) working_.PageBorder.LineStyle = style;
  Redraw();
}

void TReportStyleForm::Button3Click(TObject*) {
  // A cancelled colour dialog answers the colour it had before.
  ColorDialog1->Execute();
  working_.PageBorder.Color = static_cast<int32_t>(ColorDialog1->Color);
  Redraw();
}

void TReportStyleForm::Button1Click(TObject*) { BrowseFolderInto(Edit1); }

void TReportStyleForm::Button2Click(TObject*) { BrowseFolderInto(Edit2); }

void TReportStyleForm::BrowseFolderInto(platform::TEdit* folderField) {
  if (!OpenDialog1->Execute()) return;
  if (const std::optional<std::string> folder = PathToStore(FolderOfPath(OpenDialog1->FileName)))
    folderField->SetText(*folder);
}

std::string TReportStyleForm::SizeProblem() {
  const std::optional<double> width = ReadRealField(widthEB->Text());
  if (!IsAllowedSize(width)) return SizeMessage("Report width");
  const std::optional<double> height = ReadRealField(heightEB->Text());
  if (!IsAllowedSize(height)) return SizeMessage("Report height");
  if (!IsAllowedSize(working_.PaperWidth)) return SizeMessage("Paper width") + " Pick a paper size from the list.";
  if (!IsAllowedSize(working_.PaperHeight)) return SizeMessage("Paper height") + " Pick a paper size from the list.";
  working_.ReportWidth = *width;
  working_.ReportHeight = *height;
  return {};
}

void TReportStyleForm::BitBtn1Click(TObject*) {
  if (const std::string problem = SizeProblem(); !problem.empty()) {
    platform::MessageDlg(problem, platform::TMsgDlgType::mtError, platform::mbOK);
    SetModalResult(platform::mrNone);
    return;
  }
  // Every template stores the two folders.
  for (const platform::TEdit* folderField : {Edit1, Edit2}) {
    if (!PathToStore(folderField->UnicodeText())) {
      SetModalResult(platform::mrNone);
      return;
    }
  }
  program_.ReportStyle = working_;
}

}  // namespace designer
