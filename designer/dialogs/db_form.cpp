#include "designer/dialogs/db_form.h"

namespace designer {

TdbForm::TdbForm(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  SetName("dbForm");
  SetCaption("dbForm");
  SetBounds(0, 0, 300, 200);
  SetPosition(platform::TPosition::poScreenCenter);
}

}  // namespace designer
