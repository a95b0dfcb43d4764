#pragma once
// Captures of the whole screen and of one window through X11: a top-level
// window with its frame, a child window alone. A window handle is an X11
// window id.
#include <cstdint>
#include <string>
#include <variant>

#include "platform/drawing/picture.h"

namespace platform {

PictureResult CaptureScreen();
PictureResult CaptureWindow(uint32_t windowId);

}  // namespace platform
