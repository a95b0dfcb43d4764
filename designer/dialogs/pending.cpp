// Stand-ins until this concern's handlers are written; each is replaced
// by the real one in a file of its own.
#include "designer/main_window/form1.h"

namespace designer {

void TForm1::ModifyReportStyle1Click(TObject*) {
}

void TForm1::DrawBorder1Click(TObject*) {
}

}  // namespace designer
