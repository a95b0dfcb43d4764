// Style > Modify Report Style: the report style dialog, then the page laid
// out anew on the design surface from the stored style.
#include "designer/dialogs/report_style_form.h"
#include "designer/main_window/form1.h"
#include "designer/main_window/page_layout.h"
#include "designer/objects/regions.h"

namespace designer {

void TForm1::ModifyReportStyle1Click(TObject*) {
  TReportStyleForm& dialog = *program_.ReportStyleForm;
  TReportStyle& style = program_.ReportStyle;
  const TReportStyle before = style;
  ScrollBox2->Hide();
  if (dialog.ShowModal() == platform::mrOk) {
    // The page is laid out in design pixels of 1/100 inch.
    SetZoom(0);
    RefreshBorders(REPORT);
    // The report area sits in the middle of the paper as the page shows it,
    // so landscape takes the paper's height across.
    CentrePlacement(style);
    LayOutPage(*this);
    style.RtfDirectory = dialog.Edit2->Text();
    style.ImageDirectory = dialog.Edit1->Text();
    // The placement follows from the sizes; only what the author chose
    // makes the template unsaved (the first showing at start-up does not).
    TReportStyle chosen = style;
    chosen.PlaceLeft = before.PlaceLeft;
    chosen.PlaceTop = before.PlaceTop;
    if (!(chosen == before)) FModified = true;
  }
  ScrollBox2->Repaint();
  RefreshBorders(REPORT);
  REPORT->Repaint();
  ScrollBox2->Show();
}

}  // namespace designer
