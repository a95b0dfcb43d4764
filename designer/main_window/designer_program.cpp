#include "designer/main_window/designer_program.h"

#include "designer/dialogs/db_form.h"
#include "designer/dialogs/image_info.h"
#include "designer/dialogs/img_dir.h"
#include "designer/dialogs/label_info.h"
#include "designer/dialogs/paragraph_form.h"
#include "designer/dialogs/region_style_form.h"
#include "designer/dialogs/report_style_form.h"
#include "designer/dialogs/rtf_dir.h"
#include "designer/dialogs/variable_info.h"
#include "designer/editing/scratch_pad_form.h"
#include "designer/main_window/about_screen.h"
#include "designer/main_window/form1.h"
#include "designer/main_window/not_saved_form.h"
#include "designer/main_window/splash.h"
#include "designer/script/code_window.h"
#include "designer/styles/style_form.h"
#include "designer/styles/style_preview.h"
#include "designer/styles/style_select_form.h"

namespace designer {

DesignerProgram::DesignerProgram() : forms_(std::make_unique<platform::TComponent>(nullptr)) {}

DesignerProgram::~DesignerProgram() {
  // The dialogs go first, the main window last, as they were made the
  // other way round.
  forms_.reset();
}

void DesignerProgram::CreateForms(bool showSplash) {
  std::unique_ptr<Tsplash> splash;
  if (showSplash) {
    splash = std::make_unique<Tsplash>(nullptr);
    splash->Show();
    splash->Update();
  }
  // The main window first: it fills style record 0, which the paragraph
  // dialog reads when it is made.
  Form1 = new TForm1(*this);
  StyleForm = new TStyleForm(*this);
  NotSavedForm = new TNotSavedForm(*this);
  ImageInfo = new TImageInfo(*this);
  RegionStyleForm = new TRegionStyleForm(*this);
  LabelInfo = new TLabelInfo(*this);
  CodeWindow = new TCodeWindow(*this);
  AboutScreen = new TAboutScreen(*this);
  dbForm = new TdbForm(*this);
  ParagraphForm = new TParagraphForm(*this);
  StylePreview = new TStylePreview(*this);
  ScratchPadForm = new TScratchPadForm(*this);
  StyleSelectForm = new TStyleSelectForm(*this);
  ReportStyleForm = new TReportStyleForm(*this);
  ImgDir = new TImgDir(*this);
  RTFDir = new TRTFDir(*this);
  VariableInfo = new TVariableInfo(*this);
  if (splash) splash->Hide();
}

}  // namespace designer
