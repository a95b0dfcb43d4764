#pragma once
// Qt inside someone else's process: the application object is made lazily,
// only when none exists, on the offscreen platform when there is no display,
// so that loading the engine into a plain program never aborts it.

namespace platform {

// True when a display is reachable (DISPLAY or WAYLAND_DISPLAY set and the
// Qt platform is not offscreen/minimal).
bool HasDisplay();

// Makes sure a QApplication exists; false when another kind of Qt application
// object (one without widgets) already exists in the process.
bool EnsureApplication();

}  // namespace platform
