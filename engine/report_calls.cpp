#include "engine/report_calls.h"

#include <stdexcept>

#include "engine/engine_state.h"
#include "engine/item_files.h"
#include "engine/page_drawing.h"
#include "engine/page_layout.h"
#include "engine/preview_window.h"
#include "engine/report_model.h"
#include "engine/template_reader.h"
#include "platform/printing/dialog_print.h"
#include "platform/printing/printer.h"
#include "platform/system/file_paths.h"

namespace engine {
namespace {

bool ReportCallsFrozen() { return ErrorFlag() || !ReportLoaded(); }

// The page list points into the instances, and both into the template tree,
// so they go in that order.
void ReleaseReport() {
  FreePageList();
  FreeInstances();
  FreeTemplate();
  SetReportLoaded(false);
}

// Styles come first: labels, variables and rich-text regions look their
// styles up while they are read. A number in the file that is no number ends
// the reading; what was read so far stays, and the error flag keeps the
// report from being printed.
void ReadTemplate(const std::string& windowsPath) {
  TemplateList& root = OpenTemplate(windowsPath);
  try {
    ReadTemplateSection(root, "STYLES");
    ReadTemplateSection(root, "RSTYLES");
    EnsureReportItem(root);
    ReadTemplateSection(root, "REPORT");
  } catch (const std::invalid_argument& conversion) {
    ShowMessage(std::string("Tessel: ") + conversion.what());
    SetErrorFlag();
  }
  EnsureReportItem(root);
}

}  // namespace

void CreateReport(const std::string& fileName) {
  ClearErrorFlag();
  if (ReportLoaded()) ReleaseReport();

  const std::string path = platform::AbsoluteWindowsPath(fileName);
  SetTemplateFolder(TemplateFolderOf(path));
  const std::string extension = LowerExtension(path);
  if (extension != ".qnf") {
    ShowMessage("Tessel: Wrong file extention -- \"" + extension + "\"  ");
    SetReportLoaded(false);
    SetErrorFlag();
    return;
  }
  if (!platform::FileExists(path)) {
    ShowMessage("Tessel: File not loaded: \"" + fileName + "\"  ");
    SetReportLoaded(false);
    SetErrorFlag();
    return;
  }

  ReadTemplate(path);
  InitInstances();
  InitPageList();
  ClearLaidOut();
  SetReportLoaded(true);
}

void FreeReport() {
  if (ReportCallsFrozen()) return;
  ReleaseReport();
}

// Every model change below drops the layout, so that the next print lays
// the report out again instead of reading entries that changed or were freed.

void BeginRegion(const std::string& regionName) {
  if (ReportCallsFrozen()) return;
  ClearLaidOut();
  if (!BeginRegionInstance(GetTemplateList(), regionName)) {
    ShowMessage("Tessel: Could not perform ZbxStartRegion.  ");
    SetErrorFlag();
  }
}

void EndRegion() {
  if (ReportCallsFrozen()) return;
  ClearLaidOut();
  // The model keeps its own failure flag; the report calls go on.
  if (!EndRegionInstance()) ShowMessage("Tessel: Could not perform ZbxEndRegion.  ");
}

void SetVariable(const std::string& varName, const std::string& varVal) {
  if (ReportCallsFrozen()) return;
  ClearLaidOut();
  if (!SetVariableValue(varName, varVal)) {
    ShowMessage("Tessel: Could not peform ZbxSetVariable.  ");
    SetErrorFlag();
  }
}

void SetHighlight(const std::string& varName, const std::string& newValue,
                  const std::string& newWhen) {
  if (ErrorFlag()) return;
  if (!ReportLoaded()) {
    SetErrorFlag();
    return;
  }
  ClearLaidOut();
  if (!SetHighlightRule(varName, newValue, newWhen)) {
    ShowMessage("Tessel: Could not perform ZbxSetHighLight.  ");
    SetErrorFlag();
  }
}

void PrintReport() {
  if (ReportCallsFrozen()) return;
  SelectTarget(TargetKind::Printer, nullptr);
  PrintAllPages();
}

void PreviewReport() {
  if (ErrorFlag()) return;
  if (!ReportLoaded()) {
    SetErrorFlag();
    return;
  }
  RunPreview();
}

void PrintWithDialog() {
  if (ErrorFlag()) return;
  if (!ReportLoaded()) {
    SetErrorFlag();
    return;
  }
  SelectTarget(TargetKind::Printer, nullptr);
  try {
    platform::PrintAfterDialog([] { PrintAllPages(); });
  } catch (const platform::EPrinter&) {
    ShowMessage("Tessel: Printer error found in ZbxPrintwithDialog.  ");
    SetErrorFlag();
  }
}

}  // namespace engine
