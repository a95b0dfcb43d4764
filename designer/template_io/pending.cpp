// Stand-ins until this concern's handlers are written; each is replaced
// by the real one in a file of its own.
#include "designer/main_window/form1.h"

namespace designer {

void TForm1::Blank1Click(TObject*) {
}

void TForm1::Open1Click(TObject*) {
}

void TForm1::Close1Click(TObject*) {
}

void TForm1::Save1Click(TObject*) {
}

void TForm1::SaveAs1Click(TObject*) {
}

void TForm1::Exit1Click(TObject*) {
}

bool TForm1::AskSaveChanges() {
  return false;
}

void TForm1::WriteReportStyle() {
}

void TForm1::ReadReportStyle() {
}

double TForm1::StrToFloatAnySep(const std::string&) {
  return 0.0;
}

void TForm1::FreeChildren(TWinControl*) {
}

std::string TForm1::ControlTypeName(TControl*) {
  return {};
}

void TForm1::WriteControls(TWinControl*) {
}

void TForm1::ReadControls(const std::string&) {
}

void TForm1::ApplyStyleToLabel(TControl*, const std::string&) {
}

void TForm1::ApplyStyleToRichText(TRichTextRegion*, const std::string&) {
}

}  // namespace designer
