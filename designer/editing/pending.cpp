// Stand-ins until this concern's handlers are written; each is replaced
// by the real one in a file of its own.
#include "designer/main_window/form1.h"

namespace designer {

void TForm1::TextMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
}

void TForm1::VarMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
}

void TForm1::PanelMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
}

void TForm1::RptRegMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
}

void TForm1::TitleRegMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
}

void TForm1::ImageRegMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
}

void TForm1::ShapeRegMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
}

void TForm1::RichTextMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
}

void TForm1::PanelMouseUp(TObject*, TMouseButton, TShiftState, int, int) {
}

void TForm1::TextMouseMove(TObject*, TShiftState, int, int) {
}

void TForm1::PanelMouseMove(TObject*, TShiftState, int, int) {
}

void TForm1::PanelDragOver(TObject*, TObject*, int, int, platform::TDragState, bool&) {
}

void TForm1::TextDragOver(TObject*, TObject*, int, int, platform::TDragState, bool&) {
}

void TForm1::VarDragOver(TObject*, TObject*, int, int, platform::TDragState, bool&) {
}

void TForm1::FormDragOver(TObject*, TObject*, int, int, platform::TDragState, bool&) {
}

void TForm1::TextDblClick(TObject*) {
}

void TForm1::Lefts1Click(TObject*) {
}

void TForm1::Rights1Click(TObject*) {
}

void TForm1::Tops1Click(TObject*) {
}

void TForm1::Bottoms1Click(TObject*) {
}

void TForm1::SpeedButton4Click(TObject*) {
}

void TForm1::Cut1Click(TObject*) {
}

void TForm1::SpeedButton15Click(TObject*) {
}

void TForm1::Copy1Click(TObject*) {
}

void TForm1::SpeedButton16Click(TObject*) {
}

void TForm1::Paste1Click(TObject*) {
}

void TForm1::Undo1Click(TObject*) {
}

void TForm1::ClearSelection() {
}

void TForm1::ToggleSelection(TControl*) {
}

void TForm1::AddParentOffsets(TControl*, int&) {
}

void TForm1::SubParentOffsets(TControl*, int&) {
}

TControl* TForm1::DuplicateComponent(TControl*) {
  return nullptr;
}

}  // namespace designer
