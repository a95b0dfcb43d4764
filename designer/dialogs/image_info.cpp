#include "designer/dialogs/image_info.h"

#include "designer/dialogs/info_rows.h"
#include "designer/main_window/auto_scale_form.h"

namespace designer {

TImageInfo::TImageInfo(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  AutoScaleForm(*this);
  SetName("ImageInfo");
  SetCaption("Image Information");
  SetPosition(platform::TPosition::poScreenCenter);
  ImageName = MakeInfoRow(this, "Label1", "Name:", "ImageName", 0);
  fileName = MakeInfoRow(this, "Label2", "File:", "fileName", 1);
  fileLocation = MakeInfoRow(this, "Label3", "File Location:", "fileLocation", 2);
  constexpr int kWidth = 400;
  BitBtn1 = MakeInfoOkButton(this, 3, kWidth);
  SetClientSize(kWidth, 20 + 3 * kInfoRowHeight + 35);
}

}  // namespace designer
