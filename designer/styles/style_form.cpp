#include "designer/styles/style_form.h"

namespace designer {

TStyleForm::TStyleForm(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  SetName("StyleForm");
  SetCaption("StyleForm");
  SetBounds(0, 0, 258, 340);
  SetPosition(platform::TPosition::poScreenCenter);
}

}  // namespace designer
