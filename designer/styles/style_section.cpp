#include "designer/styles/style_section.h"

namespace designer {

namespace {

// A text as the files hold it once written and read again: reading drops
// blanks around a value and one pair of quotes around it, and does so
// again at every further write and read. A style is known by that text, so
// that Make Style Global finds it in the global file instead of appending
// it again with every use, and a template read back names it alike.
std::string AsFilesHoldIt(std::string text) {
  for (;;) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') return text;
    text = text.substr(1, text.size() - 2);
  }
}

}  // namespace

TStyleRecord ReadStyleSection(const platform::TIniFile& file, const std::string& section) {
  TStyleRecord style;
  style.Name = AsFilesHoldIt(file.ReadString(section, "STYLENAME", "").substr(0, kStyleNameLength));
  style.StyleBits = file.ReadInteger(section, "STYLE", 0);
  style.Size = file.ReadInteger(section, "SIZE", 0);
  style.Color = file.ReadInteger(section, "COLOR", 0);
  style.FontName = AsFilesHoldIt(file.ReadString(section, "NAME", "").substr(0, kFontNameLength));
  style.Alignment = AsFilesHoldIt(file.ReadString(section, "ALIGNMENT", "").substr(0, kAlignmentLength));
  return style;
}

bool WriteStyleSection(platform::TIniFile& file, const std::string& section, const TStyleRecord& style) {
  return file.WriteString(section, "STYLENAME", style.Name) &&
         file.WriteInteger(section, "STYLE", style.StyleBits) && file.WriteInteger(section, "SIZE", style.Size) &&
         file.WriteInteger(section, "COLOR", style.Color) && file.WriteString(section, "NAME", style.FontName) &&
         file.WriteString(section, "ALIGNMENT", style.Alignment);
}

}  // namespace designer
