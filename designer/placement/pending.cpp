// Stand-ins until this concern's handlers are written; each is replaced
// by the real one in a file of its own.
#include "designer/main_window/form1.h"

namespace designer {

void TForm1::SetMode(int) {
}

void TForm1::ReleaseModeButtons() {
}

void TForm1::ClickHandler(TObject*) {
}

TControl* TForm1::PlaceObject(TObject*) {
  return nullptr;
}

bool TForm1::HasRepeatRegion(TWinControl*) {
  return false;
}

void TForm1::SpeedButton9Click(TObject*) {
}

void TForm1::Fixed1Click(TObject*) {
}

void TForm1::SpeedButton12Click(TObject*) {
}

void TForm1::Repeat1Click(TObject*) {
}

void TForm1::Text1Click(TObject*) {
}

void TForm1::SpeedButton7Click(TObject*) {
}

void TForm1::FixedImage1Click(TObject*) {
}

void TForm1::String1Click(TObject*) {
}

void TForm1::Integer1Click(TObject*) {
}

void TForm1::FloatingPoint1Click(TObject*) {
}

void TForm1::Page1Click(TObject*) {
}

void TForm1::ofPages1Click(TObject*) {
}

void TForm1::Date1Click(TObject*) {
}

void TForm1::Time1Click(TObject*) {
}

void TForm1::DateTime1Click(TObject*) {
}

void TForm1::SpeedButton10Click(TObject*) {
}

void TForm1::Shape1Click(TObject*) {
}

void TForm1::SpeedButton11Click(TObject*) {
}

void TForm1::SpeedButton5Click(TObject*) {
}

void TForm1::Move1Click(TObject*) {
}

void TForm1::SpeedButton6Click(TObject*) {
}

void TForm1::Size1Click(TObject*) {
}

}  // namespace designer
