#pragma once
// A text style's section, as templates and the global style file hold it:
// STYLENAME, STYLE, SIZE, COLOR, NAME and ALIGNMENT.
#include <string>

#include "designer/styles/style_record.h"
#include "platform/ini/ini_file.h"

namespace designer {

// A text as the files hold it once written and read again: reading drops
// blanks around a value and one pair of quotes around it, and does so
// again at every further write and read. A style is known by that text, so
// that Make Style Global finds it in the global file instead of appending
// it again with every use, and a template read back names it alike.
std::string AsFilesHoldIt(std::string text);

// Missing keys read as empty texts and 0; texts are cut to their stored
// lengths. IsGlobal is 0.
TStyleRecord ReadStyleSection(const platform::TIniFile& file, const std::string& section);

// Writes the six keys in their order; false when the file cannot be
// written.
bool WriteStyleSection(platform::TIniFile& file, const std::string& section, const TStyleRecord& style);

}  // namespace designer
