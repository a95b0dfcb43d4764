#include "designer/editing/template_copy.h"

#include "designer/main_window/form1.h"
#include "designer/template_io/control_tree_io.h"
#include "platform/ini/ini_file.h"

namespace designer {

void WriteTemplateFragment(TForm1& form, platform::TIniFile& file, platform::TControl* control) {
  int sectionCounter = 0;
  WriteControlEntry(form, file, "REPORT", control, sectionCounter);
  // Its own container is not part of the fragment; "REPORT" makes a read
  // place it into whatever container the reader is filling.
  file.WriteString("RC1", "PARENT", "REPORT");
}

std::string IniText(const platform::TIniFile& file) {
  std::string text;
  for (const std::string& section : file.ReadSections()) {
    text += "[" + section + "]\r\n";
    for (const std::string& key : file.ReadSection(section)) text += key + "=" + file.ReadString(section, key, "") + "\r\n";
    text += "\r\n";
  }
  return text;
}

std::string TemplateTextOf(TForm1& form, platform::TControl* control) {
  if (!control) return std::string();
  platform::TIniFile file("clipboard.qnf", platform::TIniFile::NewInMemory{});
  WriteTemplateFragment(form, file, control);
  return IniText(file);
}

}  // namespace designer
