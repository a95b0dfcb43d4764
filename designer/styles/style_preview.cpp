#include "designer/styles/style_preview.h"

namespace designer {

TStylePreview::TStylePreview(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  SetName("StylePreview");
  SetCaption("StylePreview");
  SetBounds(0, 0, 272, 376);
  SetPosition(platform::TPosition::poScreenCenter);
}

}  // namespace designer
