// Stand-ins until this concern's handlers are written; each is replaced
// by the real one in a file of its own.
#include "designer/main_window/form1.h"

namespace designer {

void TForm1::SelectLabelStyleClick(TObject*) {
}

void TForm1::SelectVarMainStyleClick(TObject*) {
}

void TForm1::SelectVarHLStyleClick(TObject*) {
}

void TForm1::SelectParagraphStyleClick(TObject*) {
}

void TForm1::ModifyStyleClick(TObject*) {
}

void TForm1::DeleteStyleClick(TObject*) {
}

void TForm1::MakeStyleGlobalClick(TObject*) {
}

void TForm1::Text2Click(TObject*) {
}

void TForm1::Local1Click(TObject*) {
}

void TForm1::Global1Click(TObject*) {
}

void TForm1::WriteGlobalStyles() {
}

void TForm1::ApplyStyle(TControl*, const TStyleRecord&) {
}

void TForm1::ReapplyStyle(TWinControl*, const TStyleRecord&) {
}

}  // namespace designer
