#pragma once
// Everything that lives as long as the program: the seventeen forms, made
// once at start-up in a fixed order and only shown and hidden afterwards,
// and the program-wide state the designer's parts share. One instance is
// the running program; tests make one each.
#include <memory>
#include <vector>

#include "designer/editing/undo_record.h"
#include "designer/objects/report_style.h"
#include "designer/objects/stack.h"
#include "designer/script/script_state.h"
#include "designer/styles/style_record.h"
#include "platform/controls/component.h"
#include "platform/controls/control.h"

namespace designer {

class TForm1;
class TStyleForm;
class TNotSavedForm;
class TImageInfo;
class TRegionStyleForm;
class TLabelInfo;
class TCodeWindow;
class TAboutScreen;
class TdbForm;
class TParagraphForm;
class TStylePreview;
class TScratchPadForm;
class TStyleSelectForm;
class TReportStyleForm;
class TImgDir;
class TRTFDir;
class TVariableInfo;
class Tsplash;

class DesignerProgram {
 public:
  DesignerProgram();
  ~DesignerProgram();
  DesignerProgram(const DesignerProgram&) = delete;
  DesignerProgram& operator=(const DesignerProgram&) = delete;

  // Creates the forms in their order; the splash stands meanwhile when
  // showSplash is set.
  void CreateForms(bool showSplash);

  // The forms, in the order they are made.
  TForm1* Form1 = nullptr;
  TStyleForm* StyleForm = nullptr;
  TNotSavedForm* NotSavedForm = nullptr;
  TImageInfo* ImageInfo = nullptr;
  TRegionStyleForm* RegionStyleForm = nullptr;
  TLabelInfo* LabelInfo = nullptr;
  TCodeWindow* CodeWindow = nullptr;
  TAboutScreen* AboutScreen = nullptr;
  TdbForm* dbForm = nullptr;
  TParagraphForm* ParagraphForm = nullptr;
  TStylePreview* StylePreview = nullptr;
  TScratchPadForm* ScratchPadForm = nullptr;
  TStyleSelectForm* StyleSelectForm = nullptr;
  TReportStyleForm* ReportStyleForm = nullptr;
  TImgDir* ImgDir = nullptr;
  TRTFDir* RTFDir = nullptr;
  TVariableInfo* VariableInfo = nullptr;

  // The text styles: entry i is style i; the main window allocates the
  // records at its creation and FStyleCount says how many are in use.
  std::vector<TStyleRecord*> StyleList;
  // The styles of the global style file during one Show Styles > Global.
  std::vector<TStyleRecord*> GlobalStyleList;
  // The selected controls, in the order they were selected.
  TControlList SelectionList;
  // The object the popup commands act on.
  platform::TRef<platform::TControl> CurrentObject;
  TUndoRecord Undo;
  // -4..4; 0 is 100 pixels per inch.
  int ZoomLevel = 0;
  bool BordersShown = false;
  TReportStyle ReportStyle;
  TScriptState Script;

  // The owner of every form: freeing it frees them, the main window last.
  platform::TComponent& Forms() { return *forms_; }

 private:
  std::unique_ptr<platform::TComponent> forms_;
};

}  // namespace designer
