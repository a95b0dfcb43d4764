#include "designer/dialogs/image_info.h"

namespace designer {

TImageInfo::TImageInfo(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  SetName("ImageInfo");
  SetCaption("Image Information");
  SetBounds(0, 0, 300, 150);
  SetPosition(platform::TPosition::poScreenCenter);
}

}  // namespace designer
