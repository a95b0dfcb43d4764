#include "designer/dialogs/region_style_form.h"

namespace designer {

TRegionStyleForm::TRegionStyleForm(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  SetName("RegionStyleForm");
  SetCaption("Border Style");
  SetBounds(0, 0, 320, 300);
  SetPosition(platform::TPosition::poScreenCenter);
}

}  // namespace designer
