#include "engine/engine_state.h"

#include <utility>

#include "platform/system/message_box.h"

namespace engine {
namespace {

// One report at a time per loaded library; the host calls from one thread.
struct ReportCallState {
  bool errorFlag = false;
  bool reportLoaded = false;
  std::string templateFolder;
};

ReportCallState& State() {
  static ReportCallState state;
  return state;
}

}  // namespace

bool ErrorFlag() { return State().errorFlag; }
void SetErrorFlag() { State().errorFlag = true; }
void ClearErrorFlag() { State().errorFlag = false; }

bool ReportLoaded() { return State().reportLoaded; }
void SetReportLoaded(bool loaded) { State().reportLoaded = loaded; }

const std::string& TemplateFolder() { return State().templateFolder; }
void SetTemplateFolder(std::string folder) { State().templateFolder = std::move(folder); }

void ShowMessage(const std::string& text) { platform::ShowErrorMessage(text); }

}  // namespace engine
