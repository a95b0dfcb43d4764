// Open: the chosen template, after Close, read into the empty design.
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "designer/template_io/design_reset.h"
#include "designer/main_window/page_layout.h"
#include "platform/controls/exceptions.h"
#include "platform/ini/ini_file.h"
#include "platform/system/file_paths.h"
#include "platform/system/message_box.h"

namespace designer {

void TForm1::Open1Click(TObject*) {
  if (!OpenDialog2->Execute()) return;
  const std::string chosen = OpenDialog2->FileName;
  if (!platform::FileExists(chosen)) return;
  Close1Click(this);
  if (!FProceed) return;

  const TReportStyle pageBefore = program_.ReportStyle;
  const int stackDepth = Stack1->Count();
  Stack1->Push(REPORT);
  FFileName = chosen;
  FIniFile = std::make_unique<platform::TIniFile>(platform::NativePath(chosen));
  try {
    ReadReportStyle();
    ReadControls("REPORT");
  } catch (const platform::Exception& error) {
    // A half-read design must never be saved over the template: what was
    // read goes, and the design is left empty and unnamed on the page it
    // had before.
    FIniFile.reset();
    while (Stack1->Count() > stackDepth) Stack1->Pop();
    platform::ShowErrorMessage(error.Message());
    program_.ReportStyle = pageBefore;
    LayOutPage(*this);
    EmptyDesign(*this);
    SetMode(kModeNone);
    REPORT->Repaint();
    return;
  }
  FIniFile.reset();
  SetMode(kModeNone);
  FModified = false;
  SetCaption(FFileName);
}

}  // namespace designer
