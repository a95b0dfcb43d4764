#include "tests/fuzz/entries/quiet_engine.h"

#include "engine/engine_state.h"
#include "engine/zbx_qn.h"
#include "platform/system/print_dialog.h"

namespace tessel_fuzz {

void ResetEngine() {
  // zBxFreeReport does nothing while the error flag is set.
  engine::ClearErrorFlag();
  zBxFreeReport();
  engine::ClearErrorFlag();
}

QuietEngine::QuietEngine() : previousPrinter_(platform::SetPrinter(&printer_)) {
  SetDialogAnswer(true);
  ResetEngine();
}

QuietEngine::~QuietEngine() {
  ResetEngine();
  platform::SetPrintDialogAnswer({});
  platform::SetPrinter(previousPrinter_);
}

void QuietEngine::SetDialogAnswer(bool confirmed) {
  platform::SetPrintDialogAnswer([confirmed] { return confirmed; });
}

}  // namespace tessel_fuzz
