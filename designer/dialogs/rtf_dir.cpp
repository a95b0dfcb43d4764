#include "designer/dialogs/rtf_dir.h"

namespace designer {

TRTFDir::TRTFDir(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  SetName("RTFDir");
  SetCaption("RTF Directory");
  SetBounds(0, 0, 320, 140);
  SetPosition(platform::TPosition::poScreenCenter);
}

}  // namespace designer
