// The tool modes: the commands that choose them, the mode buttons and the
// caption under "Mode:", and Cancel/Refresh.
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"

namespace designer {
namespace {

const char* ModeCaption(int mode) {
  switch (mode) {
    case kModeFixed: return "Fixed Reg";
    case kModeTitle: return "Title Reg";
    case kModeRepeat: return "Repeat Reg";
    case kModeText: return "Text";
    case kModeRichText: return "Rich Text Reg";
    case kModeImage: return "Image Reg";
    case kModeVariable: return "Variable";
    case kModeShape: return "Shape Reg";
    case kModeCut: return "Remove";
    case kModeMove: return "Move";
    case kModeSize: return "Size";
    case kModePaste: return "Paste";
    case kModeCopy: return "Copy";
    default: return "";
  }
}

}  // namespace

void TForm1::SetMode(int mode) {
  FMode = mode;
  switch (mode) {
    case kModeReserved:
      ReleaseModeButtons();
      break;
    case kModeCut:
      SpeedButton4->SetDown(true);
      ModeLabel->SetCaption(ModeCaption(mode));
      break;
    case kModeMove:
      SpeedButton5->SetDown(true);
      ModeLabel->SetCaption(ModeCaption(mode));
      break;
    case kModeSize:
      SpeedButton6->SetDown(true);
      ModeLabel->SetCaption(ModeCaption(mode));
      break;
    case kModePaste:
    case kModeCopy:
      ModeLabel->SetCaption(ModeCaption(mode));
      break;
    default:
      ReleaseModeButtons();
      ModeLabel->SetCaption(ModeCaption(mode));
      break;
  }
}

void TForm1::ReleaseModeButtons() {
  // The Copy button is raised by the copy click itself.
  for (platform::TSpeedButton* button : {SpeedButton4, SpeedButton5, SpeedButton6, SpeedButton9, SpeedButton16})
    button->SetDown(false);
}

void TForm1::Fixed1Click(TObject*) {
  FCopySource = nullptr;
  SetMode(kModeFixed);
  FModified = true;
}

void TForm1::SpeedButton12Click(TObject*) {
  FCopySource = nullptr;
  SetMode(kModeTitle);
  FModified = true;
}

void TForm1::Repeat1Click(TObject*) {
  FCopySource = nullptr;
  SetMode(kModeRepeat);
  FModified = true;
}

void TForm1::Text1Click(TObject*) {
  FCopySource = nullptr;
  SetMode(kModeText);
  FModified = true;
}

void TForm1::SpeedButton7Click(TObject*) {
  FCopySource = nullptr;
  SetMode(kModeRichText);
  FModified = true;
}

void TForm1::FixedImage1Click(TObject*) {
  FCopySource = nullptr;
  SetMode(kModeImage);
  FModified = true;
}

namespace {

void ChooseVariable(TForm1& form, const char* word) {
  form.FCopySource = nullptr;
  form.FVariableTypeWord = word;
  form.SetMode(kModeVariable);
  form.FModified = true;
}

}  // namespace

void TForm1::String1Click(TObject*) { ChooseVariable(*this, "string"); }
void TForm1::Integer1Click(TObject*) { ChooseVariable(*this, "integer"); }
void TForm1::FloatingPoint1Click(TObject*) { ChooseVariable(*this, "floatingPoint"); }
void TForm1::Page1Click(TObject*) { ChooseVariable(*this, "Page #"); }
void TForm1::ofPages1Click(TObject*) { ChooseVariable(*this, "# Pages"); }
void TForm1::Date1Click(TObject*) { ChooseVariable(*this, "Date"); }
void TForm1::Time1Click(TObject*) { ChooseVariable(*this, "Time"); }
void TForm1::DateTime1Click(TObject*) { ChooseVariable(*this, "DateTime"); }

void TForm1::SpeedButton10Click(TObject*) {
  FCopySource = nullptr;
  const platform::TPoint at = SpeedButton10->ClientToScreen(platform::TPoint{12, 25});
  PopupMenu1->Popup(at.X, at.Y);
}

void TForm1::Shape1Click(TObject*) {
  FCopySource = nullptr;
  SetMode(kModeShape);
  FModified = true;
}

void TForm1::SpeedButton11Click(TObject* Sender) { Shape1Click(Sender); }

void TForm1::SpeedButton5Click(TObject*) {
  FCopySource = nullptr;
  SetMode(kModeMove);
  FModified = true;
}

void TForm1::Move1Click(TObject* Sender) {
  SpeedButton5->SetDown(true);
  SpeedButton5Click(Sender);
}

void TForm1::SpeedButton6Click(TObject*) {
  FCopySource = nullptr;
  SetMode(kModeSize);
  FModified = true;
}

void TForm1::Size1Click(TObject* Sender) {
  SpeedButton6->SetDown(true);
  SpeedButton6Click(Sender);
}

void TForm1::SpeedButton9Click(TObject*) {
  tempLabel->SetCaption("");
  SetMode(kModeNone);
  FCopySource = nullptr;
  RefreshBorders(REPORT);
  REPORT->Repaint();
}

}  // namespace designer
