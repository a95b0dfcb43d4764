#include "designer/styles/style_select_form.h"

namespace designer {

TStyleSelectForm::TStyleSelectForm(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  SetName("StyleSelectForm");
  SetCaption("StyleSelectForm");
  SetBounds(0, 0, 190, 306);
  SetPosition(platform::TPosition::poScreenCenter);
}

}  // namespace designer
