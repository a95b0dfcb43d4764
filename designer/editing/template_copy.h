#pragma once
// An object and what it holds as template text: what the system clipboard
// gets at a cut, and what a duplicate is built from, so that a copy holds
// exactly what a saved and reopened template would.
#include <string>

#include "platform/controls/control.h"

namespace platform {
class TIniFile;
}

namespace designer {

class TForm1;

// Our own clipboard format; nothing reads it back.
inline constexpr const char* kTemplateMimeType = "application/x-tessel-template";

// The object as the only entry of a [REPORT] section, its PARENT "REPORT",
// followed by the sections of everything inside it.
void WriteTemplateFragment(TForm1& form, platform::TIniFile& file, platform::TControl* control);
// The file's text as it would be saved.
std::string IniText(const platform::TIniFile& file);
std::string TemplateTextOf(TForm1& form, platform::TControl* control);

}  // namespace designer
