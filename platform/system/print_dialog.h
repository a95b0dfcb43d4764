#pragma once
// The print dialog (TPrintDialog). On a display it is Qt's print dialog,
// starting from the printer's settings and returning what the user chose;
// tests and headless runs answer through a hook so that nothing ever waits
// for a person.
#include <cstddef>
#include <functional>

#include "platform/printing/print_settings.h"

class QPrintDialog;

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

// For tests of the dialog itself: the real dialog is shown, also on the
// offscreen platform, and drive gets it once it is on the screen, to look
// at what it offers and to press its buttons. A dialog drive leaves open is
// cancelled. An answer hook comes first. nullptr: no driver.
void SetPrintDialogDriver(std::function<void(QPrintDialog&)> drive);

}  // namespace platform
