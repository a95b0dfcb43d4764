// Activation, closing, destruction and resizing of the main window.
#include "designer/dialogs/paragraph_form.h"
#include "designer/dialogs/report_style_form.h"
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "platform/ini/ini_file.h"

namespace designer {

void TForm1::FormActivate(TObject*) {
  if (FActivated) return;
  FActivated = true;
  if (TParagraphForm* paragraph = program_.ParagraphForm; paragraph && paragraph->SelectStyle1->Count() > 0)
    paragraph->SelectStyle1->Items(0)->OnClick = [this](TObject* sender) { SelectParagraphStyleClick(sender); };
  // A page layout must be confirmed with OK before the first edit.
  program_.ReportStyleForm->BitBtn2->SetEnabled(false);
  ModifyReportStyle1Click(this);
  program_.ReportStyleForm->BitBtn2->SetEnabled(true);
  SetZoom(-1);
  REPORT->Repaint();
}

void TForm1::FormClose(TObject*, platform::TCloseAction& Action) {
  SetMode(kModeNone);
  if (!FModified) return;
  Action = AskSaveChanges() ? platform::TCloseAction::caFree : platform::TCloseAction::caNone;
}

void TForm1::FormDestroy(TObject*) {
  FGlobalStyleFile.reset();
  for (auto it = program_.StyleList.rbegin(); it != program_.StyleList.rend(); ++it) delete *it;
  program_.StyleList.clear();
  for (TStyleRecord* record : program_.GlobalStyleList) delete record;
  program_.GlobalStyleList.clear();
}

void TForm1::FormResize(TObject*) { ScrollBox1->SetTop(Panel1->Top() + Panel1->Height()); }

}  // namespace designer
