#pragma once
// Printing after the print dialog: the job goes where the dialog chose, with
// the copies it chose, and the printer is as it was once the print is over.
#include <functional>

namespace platform {

// Runs the print dialog on the settings of the process's printer. When the
// user confirms, runs print with the choices in force: on that printer when
// it can take them, else on the chosen system printer or PDF file in its
// place. False, and nothing printed, when cancelled. Throws EPrinter when the
// chosen printer does not exist, and passes on what print throws.
bool PrintAfterDialog(const std::function<void()>& print);

}  // namespace platform
