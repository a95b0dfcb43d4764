#pragma once
// Captures of the whole screen and of one window (frame included) through
// X11. A window handle is an X11 window id.
#include <cstdint>
#include <string>
#include <variant>

#include "platform/drawing/picture.h"

namespace platform {

PictureResult CaptureScreen();
PictureResult CaptureWindow(uint32_t windowId);

}  // namespace platform
