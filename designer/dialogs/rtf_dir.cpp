#include "designer/dialogs/rtf_dir.h"

#include "designer/dialogs/report_style_form.h"

namespace designer {

TRTFDir::TRTFDir(DesignerProgram& program)
    : TFolderDialog(program, "RTFDir", "RTF Directory", "Specify Directory Where RTF Files Will Reside",
                    [&program] { return program.ReportStyleForm->Edit2->Text(); }) {}

}  // namespace designer
