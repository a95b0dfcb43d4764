#include "designer/dialogs/img_dir.h"

namespace designer {

TImgDir::TImgDir(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  SetName("ImgDir");
  SetCaption("Image Directory");
  SetBounds(0, 0, 320, 140);
  SetPosition(platform::TPosition::poScreenCenter);
}

}  // namespace designer
