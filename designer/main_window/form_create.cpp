// The main window's creation: program-wide lists and the style records,
// the global style file, the default style with its menu items, the report
// style's defaults and the page sized from them.
#include "designer/main_window/form1.h"

#include "designer/main_window/page_layout.h"
#include "designer/objects/regions.h"
#include "designer/template_io/section_names.h"
#include "platform/ini/ini_file.h"
#include "platform/system/file_paths.h"
#include "platform/system/user_data_folder.h"

namespace designer {
namespace {

TStyleRecord DefaultStyle() { return TStyleRecord{0, "DEFAULTSTYLE", 0, 8, 0, "Arial", "NONE"}; }

}  // namespace

void TForm1::FormCreate(TObject*) {
  program_.SelectionList.clear();
  FScale = 100;
  FModified = false;
  FFileName.clear();
  SetUnicodeCaption(FFileName);
  FTextCount = 0;
  FVarCount = 0;
  LabelPopup->SetAutoPopup(false);
  FStyleCount = 0;

  program_.StyleList.clear();
  program_.GlobalStyleList.clear();

  // There is no Windows folder here: the global styles live in the user's
  // data folder, and the file is made by the first write.
  FGlobalStylePath = platform::UserDataFilePath("global.qnf");
  FGlobalStyleFile = std::make_unique<platform::TIniFile>(platform::NativeOfSystemPath(FGlobalStylePath));

  for (int i = 0; i < kStyleRecordCount; ++i) program_.StyleList.push_back(new TStyleRecord());
  *program_.StyleList[0] = DefaultStyle();
  FStyleCount += 1;
  CreateStyleMenuItems(0);

  Stack1->Push(ScrollBox2);
  Stack1->Push(REPORT);

  program_.ReportStyle = TReportStyle{};

  LayOutPage(*this);
  InstallSectionNameRule(*REPORT);
}

}  // namespace designer
