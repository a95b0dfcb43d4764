// Stand-ins until this concern's handlers are written; each is replaced
// by the real one in a file of its own.
#include "designer/main_window/form1.h"

namespace designer {

void TForm1::EditText1Click(TObject*) {
}

void TForm1::Uppercase1Click(TObject*) {
}

void TForm1::Lowercase1Click(TObject*) {
}

void TForm1::InitialCaps1Click(TObject*) {
}

void TForm1::GetInfoClick(TObject*) {
}

void TForm1::RegionNameClick(TObject*) {
}

void TForm1::SizeRegionToPage1Click(TObject*) {
}

void TForm1::ToggleAbsolute1Click(TObject*) {
}

void TForm1::AllowMultiplePages1Click(TObject*) {
}

void TForm1::Rectangle1Click(TObject*) {
}

void TForm1::RoundRectangle1Click(TObject*) {
}

void TForm1::Ellipse1Click(TObject*) {
}

void TForm1::VerticalLine1Click(TObject*) {
}

void TForm1::HorizontalLine1Click(TObject*) {
}

void TForm1::EditText2Click(TObject*) {
}

void TForm1::SelectBorderColor1Click(TObject*) {
}

void TForm1::BorderThickness1Click(TObject*) {
}

void TForm1::patternClick(TObject*) {
}

void TForm1::BorderPatternClick(TObject*) {
}

void TForm1::EditImageName1Click(TObject*) {
}

void TForm1::Filename1Click(TObject*) {
}

void TForm1::FileLocation1Click(TObject*) {
}

void TForm1::SetToDynamic1Click(TObject*) {
}

void TForm1::ActualSize1Click(TObject*) {
}

void TForm1::ShowImageInfo1Click(TObject*) {
}

void TForm1::EditImageName2Click(TObject*) {
}

void TForm1::FromFile1Click(TObject*) {
}

void TForm1::Direct1Click(TObject*) {
}

void TForm1::FileLocation2Click(TObject*) {
}

void TForm1::SetToDynamic2Click(TObject*) {
}

void TForm1::ShowImageInfo2Click(TObject*) {
}

void TForm1::MenuItem1Click(TObject*) {
}

void TForm1::SettoMaster1Click(TObject*) {
}

void TForm1::EditHighlightValue1Click(TObject*) {
}

void TForm1::HLWhenClick(TObject*) {
}

void TForm1::MasterisHighlighted1Click(TObject*) {
}

void TForm1::GetVariableInfoClick(TObject*) {
}

}  // namespace designer
