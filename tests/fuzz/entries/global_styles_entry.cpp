// The input as the global style file, read by Show Styles > Global and
// every style it shows imported through the preview and the import choice.
// The style list never takes more than its eleven records, the seven style
// submenus follow it, every imported style keeps to the stored lengths, and
// the design with those styles saves and opens again. Make Style Global
// then appends to the same file, or finds the style there already.
#include <fstream>
#include <string>
#include <string_view>

#include "designer/styles/style_preview.h"
#include "platform/controls/menus.h"
#include "platform/ini/ini_file.h"
#include "platform/system/file_paths.h"
#include "tests/fuzz/entries/designer_checks.h"
#include "tests/fuzz/entries/designer_fuzz_entries.h"
#include "tests/fuzz/entries/designer_session.h"
#include "tests/fuzz/entries/invariant.h"

namespace tessel_fuzz::global_styles {
namespace {

void CheckStoredLengths(const designer::TStyleRecord& style) {
  CheckInvariant(style.Name.size() <= designer::kStyleNameLength &&
                     style.FontName.size() <= designer::kFontNameLength &&
                     style.Alignment.size() <= designer::kAlignmentLength,
                 "an imported style keeps to the stored lengths");
  CheckInvariant(style.IsGlobal == 0, "an imported style is not global");
}

// Where Make Style Global leaves the style: in one of the sections numbered
// up to the count of [STYLES] keys before the write.
bool GlobalFileHolds(const std::string& nativePath, int sectionsBefore, const std::string& name) {
  const platform::TIniFile file(nativePath);
  for (int n = 0; n <= sectionsBefore; ++n) {
    if (file.ReadString("GS" + std::to_string(n), "STYLENAME", "") == name) return true;
  }
  return false;
}

}  // namespace

int FuzzOne(const uint8_t* data, size_t size) {
  QuietDesigner quiet;
  designer::TForm1& form = quiet.Form();
  designer::DesignerProgram& program = form.Program();
  const std::string globalFile = platform::NativeOfSystemPath(form.FGlobalStylePath);
  const std::string input(reinterpret_cast<const char*>(data), size);
  CheckInvariant(form.FStyleCount == 1, "the design starts with the default style alone");
  // Close keeps the default style's global flag; each input starts as a
  // fresh program would.
  program.StyleList[0]->IsGlobal = 0;

  {
    std::ofstream out(globalFile, std::ios::binary | std::ios::trunc);
    out.write(input.data(), static_cast<std::streamsize>(input.size()));
    CheckInvariant(out.good(), "the global style file takes the input");
  }
  quiet.ImportEveryStyle(true);
  form.Global1->Click();
  quiet.ImportEveryStyle(false);
  CheckInvariant(quiet.Errors().empty(), "Show Styles > Global raises no error");
  CheckSoundDesign(form, "after importing the global styles");
  CheckInvariant(!program.StylePreview->Scrollbox1, "the preview's labels go when it closes");
  CheckInvariant(form.FModified == (form.FStyleCount > 1), "an import marks the design changed");
  for (int i = 1; i < form.FStyleCount; ++i) CheckStoredLengths(*program.StyleList[static_cast<std::size_t>(i)]);

  const int sectionsBefore = static_cast<int>(platform::TIniFile(globalFile).ReadSection("STYLES").size());
  const int last = form.FStyleCount - 1;
  const std::string lastName = program.StyleList[static_cast<std::size_t>(last)]->Name;
  form.MakeStyleGlobal1->Items(last)->Click();
  CheckInvariant(quiet.Errors().empty(), "Make Style Global writes the global style file");
  CheckInvariant(GlobalFileHolds(globalFile, sectionsBefore, lastName),
                 "after Make Style Global the file holds the style");

  CheckSavedTemplateReadsBack(quiet, "after importing the global styles");
  quiet.Close();
  CheckInvariant(form.FStyleCount == 1, "Close leaves the default style alone");
  return 0;
}

}  // namespace tessel_fuzz::global_styles
