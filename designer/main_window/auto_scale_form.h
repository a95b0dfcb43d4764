#pragma once
// The dialogs call this first when they are made. It rescales nothing: the
// forms keep their design size whatever the screen's font size, and the
// main window is not scaled either.
#include "platform/controls/form.h"

namespace designer {

inline void AutoScaleForm(platform::TForm& /*form*/) {}

}  // namespace designer
