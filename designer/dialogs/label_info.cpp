#include "designer/dialogs/label_info.h"

namespace designer {

TLabelInfo::TLabelInfo(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  SetName("LabelInfo");
  SetCaption("Label Information");
  SetBounds(0, 0, 300, 150);
  SetPosition(platform::TPosition::poScreenCenter);
}

}  // namespace designer
