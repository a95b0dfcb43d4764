#include "designer/dialogs/img_dir.h"

#include "designer/dialogs/report_style_form.h"

namespace designer {

TImgDir::TImgDir(DesignerProgram& program)
    : TFolderDialog(program, "ImgDir", "Image Directory", "Specify Directory Where Image Files Will Reside",
                    [&program] { return program.ReportStyleForm->Edit1->Text(); }) {}

}  // namespace designer
