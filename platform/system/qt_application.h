#pragma once
// Qt inside someone else's process: the application object is made lazily,
// only when none exists, on the offscreen platform when there is no display,
// so that loading the engine into a plain program never aborts it.

namespace platform {

// True when a display is reachable (DISPLAY or WAYLAND_DISPLAY set and the
// Qt platform is not offscreen/minimal).
bool HasDisplay();

// The name the application object is made under (its window class and the
// title of windows without one); "zbx_qn" unless a program says otherwise
// before the application is made.
void SetProgramName(const char* name);

// Makes sure a QApplication exists; false when another kind of Qt application
// object (one without widgets) already exists in the process.
bool EnsureApplication();

}  // namespace platform
