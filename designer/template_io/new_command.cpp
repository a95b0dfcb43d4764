// New: after Close, a fresh page from the report style dialog, the report
// area centred on the paper, and the default style.
#include "designer/dialogs/report_style_form.h"
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "designer/main_window/page_layout.h"

namespace designer {

void TForm1::Blank1Click(TObject*) {
  Close1Click(this);
  if (!FProceed) return;
  FModified = false;
  FFileName.clear();
  SetUnicodeCaption(FFileName);
  TReportStyleForm& dialog = *program_.ReportStyleForm;
  TReportStyle& style = program_.ReportStyle;
  // The dialog keeps what Cancel leaves: the folder fields count only
  // with OK, as the sizes do.
  if (dialog.ShowModal() == platform::mrOk) {
    style.RtfDirectory = dialog.Edit2->Text();
    style.ImageDirectory = dialog.Edit1->Text();
  }
  CentrePlacement(style);
  LayOutPage(*this);
  // Close has made the default style the only one in use.
  REPORT->Repaint();
}

}  // namespace designer
