#pragma once
// The style names a design's objects make the engine look up.
#include <string>
#include <vector>

#include "platform/controls/win_control.h"

namespace designer {

class TForm1;

// Every style name the objects below the container print with, in the
// order the template lists the objects, each once: a label's or
// variable's style and highlight style and a direct-text region's style,
// "DEFAULTSTYLE" for each that names none and for rich text from a file.
std::vector<std::string> StyleNamesUsed(TForm1& form, platform::TWinControl* container);

}  // namespace designer
