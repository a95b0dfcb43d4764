// Stand-ins until this concern's handlers are written; each is replaced
// by the real one in a file of its own.
#include "designer/main_window/form1.h"

namespace designer {

void TForm1::GenerateControlCode(TWinControl*) {
}

bool TForm1::HasDynamicContent(TWinControl*) {
  return false;
}

void TForm1::UCD1Click(TObject*) {
}

void TForm1::Xtra1Click(TObject*) {
}

void TForm1::DirectorLingo1Click(TObject*) {
}

}  // namespace designer
