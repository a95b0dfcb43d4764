#include "designer/script/code_window.h"

namespace designer {

TCodeWindow::TCodeWindow(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  SetName("CodeWindow");
  SetCaption("CodeWindow");
  SetBounds(0, 0, 326, 311);
  SetPosition(platform::TPosition::poScreenCenter);
}

}  // namespace designer
