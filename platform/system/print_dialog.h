#pragma once
// The print dialog (TPrintDialog). On a display it is Qt's print dialog for
// the default printer; tests and headless runs answer through a hook so that
// nothing ever waits for a person.
#include <functional>

namespace platform {

// True when the user confirmed (OK), false when cancelled.
bool RunPrintDialog();

// The hook answers instead of any dialog; an empty function restores the
// dialog. Without a display and without a hook the answer is OK, so a
// headless host prints to the PDF backend.
void SetPrintDialogAnswer(std::function<bool()> answer);

}  // namespace platform
