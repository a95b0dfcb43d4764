#include "designer/styles/style_section.h"

namespace designer {

TStyleRecord ReadStyleSection(const platform::TIniFile& file, const std::string& section) {
  TStyleRecord style;
  style.Name = platform::SettledIniValue(file.ReadString(section, "STYLENAME", "").substr(0, kStyleNameLength));
  style.StyleBits = file.ReadInteger(section, "STYLE", 0);
  style.Size = file.ReadInteger(section, "SIZE", 0);
  style.Color = file.ReadInteger(section, "COLOR", 0);
  style.FontName = platform::SettledIniValue(file.ReadString(section, "NAME", "").substr(0, kFontNameLength));
  style.Alignment = platform::SettledIniValue(file.ReadString(section, "ALIGNMENT", "").substr(0, kAlignmentLength));
  return style;
}

bool WriteStyleSection(platform::TIniFile& file, const std::string& section, const TStyleRecord& style) {
  return file.WriteString(section, "STYLENAME", style.Name) &&
         file.WriteInteger(section, "STYLE", style.StyleBits) && file.WriteInteger(section, "SIZE", style.Size) &&
         file.WriteInteger(section, "COLOR", style.Color) && file.WriteString(section, "NAME", style.FontName) &&
         file.WriteString(section, "ALIGNMENT", style.Alignment);
}

}  // namespace designer
