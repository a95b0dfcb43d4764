#pragma once
// A text style's section, as templates and the global style file hold it:
// STYLENAME, STYLE, SIZE, COLOR, NAME and ALIGNMENT.
#include <string>

#include "designer/styles/style_record.h"
#include "platform/ini/ini_file.h"

namespace designer {

// Missing keys read as empty texts and 0; texts are cut to their stored
// lengths and taken as the files will finally hold them, so that a style
// read here is found again by name in the global style file and in a
// template read back. IsGlobal is 0.
TStyleRecord ReadStyleSection(const platform::TIniFile& file, const std::string& section);

// Writes the six keys in their order; false when the file cannot be
// written.
bool WriteStyleSection(platform::TIniFile& file, const std::string& section, const TStyleRecord& style);

}  // namespace designer
