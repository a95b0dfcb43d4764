// Stand-ins until this concern's handlers are written; each is replaced
// by the real one in a file of its own.
#include "designer/main_window/form1.h"

namespace designer {

void TForm1::ZoomIn1Click(TObject*) {
}

void TForm1::ZoomOut1Click(TObject*) {
}

void TForm1::SetZoom(int) {
}

void TForm1::Standard1Click(TObject*) {
}

void TForm1::FullPage1Click(TObject*) {
}

void TForm1::ShowBorders1Click(TObject*) {
}

void TForm1::RefreshBorders(TWinControl*) {
}

void TForm1::RescaleRichText(TWinControl*) {
}

void TForm1::testMinSize(TObject*, TObject*, int, int) {
}

}  // namespace designer
