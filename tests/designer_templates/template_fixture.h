#pragma once
// A designer with the File commands at hand: objects placed as clicks
// place them, templates saved and opened through the scripted file
// dialogs, files read back byte for byte.
#include <string>

#include "designer/objects/image_region.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"
#include "designer/objects/shape_region.h"
#include "platform/controls/label.h"
#include "platform/system/locale_settings.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {

class TemplateTest : public DesignerTest {
 protected:
  using Command = void (designer::TForm1::*)(platform::TObject*);

  // The command that selects a tool, then a click at (x, y) of the target.
  template <class T = platform::TControl>
  T* Place(Command command, platform::TControl* target, int x, int y) {
    (form().*command)(nullptr);
    form().FRegionGrabX = x;
    form().FRegionGrabY = y;
    return dynamic_cast<T*>(form().PlaceObject(target));
  }
  designer::TRegion* Fixed(platform::TControl* target, int x, int y) {
    return Place<designer::TRegion>(&designer::TForm1::Fixed1Click, target, x, y);
  }
  designer::TStyledLabel* Text(platform::TControl* target, int x, int y) {
    return Place<designer::TStyledLabel>(&designer::TForm1::Text1Click, target, x, y);
  }

  // Save As under a name of the scratch folder.
  void SaveAs(const std::string& name) {
    dialogs->ReplyFile(WindowsPath(name));
    form().SaveAs1Click(nullptr);
  }
  // Open of a file of the scratch folder; the save question, should it
  // come, is answered No, and the given number of messages with OK.
  void Open(const std::string& name, int messages = 0) {
    if (form().FModified) modals->Press("NotSavedForm", "Button2");
    dialogs->ReplyFile(WindowsPath(name));
    for (int i = 0; i < messages; ++i) dialogs->ReplyButton(platform::mrOk);
    form().Open1Click(nullptr);
  }
  std::string Bytes(const std::string& name) const { return ReadFileBytes(folder() + "/" + name); }
  void Write(const std::string& name, const std::string& text) const { WriteFileBytes(folder() + "/" + name, text); }

  platform::TControl* Object(const std::string& name) {
    return dynamic_cast<platform::TControl*>(form().REPORT->FindComponent(name));
  }
  template <class T>
  T* Object(const std::string& name) {
    return dynamic_cast<T*>(Object(name));
  }
};

// The size a label of the designer's default font takes for its text.
inline platform::TPoint LabelSize(const std::string& text) {
  return platform::TextExtent(platform::TFont{"Arial", 8, 0, 0}, text);
}

// The locale's decimal separator for a while.
class DecimalSeparatorScope {
 public:
  explicit DecimalSeparatorScope(char separator) { platform::SetDecimalSeparator(separator); }
  ~DecimalSeparatorScope() { platform::ResetLocaleSettings(); }
  DecimalSeparatorScope(const DecimalSeparatorScope&) = delete;
  DecimalSeparatorScope& operator=(const DecimalSeparatorScope&) = delete;
};

// The template text with CRLF line ends from lines given with "\n".
std::string Crlf(const std::string& text);

}  // namespace tessel_test
