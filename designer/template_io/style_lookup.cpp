// Finding a style by name while a template is read: the style read from
// position i of [STYLES] is style i of the design.
#include "designer/objects/rich_text_region.h"
#include "designer/main_window/form1.h"
#include "platform/ini/ini_file.h"

namespace designer {
namespace {

// Position of the first style of that name, or -1. Objects read from a
// file without styles (a copy within the design) name the styles in use.
int StylePosition(TForm1& form, const std::string& styleName) {
  if (styleName.empty()) return -1;
  const std::vector<TStyleRecord*>& list = form.Program().StyleList;
  if (const platform::TIniFile* file = form.FIniFile.get(); file && file->SectionExists("STYLES")) {
    const std::vector<std::string> keys = file->ReadSection("STYLES");
    for (std::size_t i = 0; i < keys.size(); ++i)
      if (file->ReadString(keys[i], "STYLENAME", "") == styleName) return static_cast<int>(i);
    return -1;
  }
  for (int i = 0; i < form.FStyleCount && i < static_cast<int>(list.size()); ++i)
    if (list[static_cast<std::size_t>(i)]->Name == styleName) return i;
  return -1;
}

// The engine prints with the first style of a name, so only that one is
// applied; a style left out of a long list is applied by none.
const TStyleRecord* StyleRead(TForm1& form, const std::string& styleName) {
  const int position = StylePosition(form, styleName);
  const std::vector<TStyleRecord*>& list = form.Program().StyleList;
  if (position < 0 || position >= form.FStyleCount || position >= static_cast<int>(list.size())) return nullptr;
  return list[static_cast<std::size_t>(position)];
}

}  // namespace

void TForm1::ApplyStyleToLabel(TControl* target, const std::string& styleName) {
  if (const TStyleRecord* style = StyleRead(*this, styleName)) ApplyStyle(target, *style);
}

void TForm1::ApplyStyleToRichText(TRichTextRegion* target, const std::string& styleName) {
  if (const TStyleRecord* style = StyleRead(*this, styleName)) ApplyStyle(target->FRichEdit, *style);
}

}  // namespace designer
