// Open: the chosen template, after Close, read into the empty design.
#include "designer/main_window/form1.h"
#include "designer/main_window/page_layout.h"
#include "designer/objects/regions.h"
#include "designer/template_io/design_reset.h"
#include "platform/controls/exceptions.h"
#include "platform/ini/ini_file.h"
#include "platform/system/file_paths.h"
#include "platform/system/message_box.h"

namespace designer {
namespace {

// A template has its page, its styles or its objects; a file with none of
// them is something else.
bool IsReportTemplate(const platform::TIniFile& file) {
  for (const char* section : {"RSTYLES", "RR0", "STYLES", "REPORT"})
    if (file.SectionExists(section)) return true;
  return false;
}

// What an open that stopped leaves: an empty, unnamed design on a page.
void LeaveEmptyDesign(TForm1& form, const TReportStyle& page) {
  form.Program().ReportStyle = page;
  LayOutPage(form);
  EmptyDesign(form);
  form.SetMode(kModeNone);
  form.REPORT->Repaint();
}

}  // namespace

void TForm1::Open1Click(TObject*) {
  if (!OpenDialog2->Execute()) return;
  const std::string chosen = OpenDialog2->FileName;
  if (!platform::SystemFileExists(chosen)) return;
  Close1Click(this);
  if (!FProceed) return;

  const TReportStyle pageBefore = program_.ReportStyle;
  const int stackDepth = Stack1->Count();
  FIniFile = std::make_unique<platform::TIniFile>(platform::NativeOfSystemPath(chosen));
  if (!IsReportTemplate(*FIniFile)) {
    FIniFile.reset();
    platform::ShowUnicodeErrorMessage("\"" + chosen + "\" is not a report template.");
    // Close has emptied the design; the page is a fresh one to work on.
    TReportStyle fresh;
    CentrePlacement(fresh);
    LeaveEmptyDesign(*this, fresh);
    return;
  }
  Stack1->Push(REPORT);
  FFileName = chosen;
  try {
    ReadReportStyle();
    ReadControls("REPORT");
  } catch (const platform::Exception& error) {
    // A half-read design must never be saved over the template: what was
    // read goes, and the design is left empty and unnamed on the page it
    // had before.
    FIniFile.reset();
    while (Stack1->Count() > stackDepth) Stack1->Pop();
    if (error.UnicodeMessage()) platform::ShowUnicodeErrorMessage(error.Message());
    else platform::ShowErrorMessage(error.Message());
    LeaveEmptyDesign(*this, pageBefore);
    return;
  }
  FIniFile.reset();
  SetMode(kModeNone);
  FModified = false;
  SetUnicodeCaption(FFileName);
}

}  // namespace designer
