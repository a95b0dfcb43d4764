#pragma once
// The print dialog (TPrintDialog). On a display it is Qt's print dialog,
// starting from the printer's settings and returning what the user chose;
// tests and headless runs answer through a hook so that nothing ever waits
// for a person.
#include <cstddef>
#include <functional>

#include "platform/printing/print_settings.h"

namespace platform {

// Shows the dialog starting from settings. True when the user confirmed
// (OK), with the choices in settings; false when cancelled.
bool RunPrintDialog(PrintSettings& settings);

// The hook answers instead of any dialog, given the settings the dialog
// would start from. Without a display and without a hook the answer is OK
// with the settings unchanged, so a headless host prints as without a
// dialog.
void SetPrintDialogAnswer(std::function<bool(PrintSettings&)> answer);
// An answer that only confirms or cancels.
void SetPrintDialogAnswer(std::function<bool()> answer);
// No hook: the dialog again ({} picks this one).
void SetPrintDialogAnswer(std::nullptr_t);

}  // namespace platform
