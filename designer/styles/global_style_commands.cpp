// Showing styles, making them global and importing global styles. The
// global style file is shared by every run of the designer on the machine,
// so each command reads it afresh; writes only append to it.
#include <string>
#include <vector>

#include "designer/main_window/form1.h"
#include "designer/styles/style_lookup.h"
#include "designer/styles/style_preview.h"
#include "designer/styles/style_section.h"
#include "designer/styles/style_select_form.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/ini/ini_file.h"
#include "platform/system/file_paths.h"
#include "platform/system/message_box.h"

namespace designer {
namespace {

const char kStylesSection[] = "STYLES";
const char kStyleKeyPrefix[] = "GS";

// Frees the records of the global style list when a command ends.
class GlobalStylesReleased {
 public:
  explicit GlobalStylesReleased(std::vector<TStyleRecord*>& list) : list_(list) {}
  ~GlobalStylesReleased() {
    for (TStyleRecord* record : list_) delete record;
    list_.clear();
  }
  GlobalStylesReleased(const GlobalStylesReleased&) = delete;
  GlobalStylesReleased& operator=(const GlobalStylesReleased&) = delete;

 private:
  std::vector<TStyleRecord*>& list_;
};

std::string SkippedMessage(const std::vector<std::string>& names) {
  if (names.size() == 1)
    return "Style " + names.front() + " was not imported: a style of that name exists already.";
  return "Styles " + JoinNames(names) + " were not imported: styles of those names exist already.";
}

// A key whose section is missing or names no style reads as a style
// without a name, which no control could name and no menu item show.
std::string NamelessMessage(int count) {
  if (count == 1) return "A style without a name was not imported.";
  return std::to_string(count) + " styles without a name were not imported.";
}

std::string LeftOutMessage(const std::vector<std::string>& names) {
  return "The style list is full (" + std::to_string(kStyleRecordCount) + " styles): " + JoinNames(names) +
         (names.size() == 1 ? " was left out." : " were left out.");
}

}  // namespace

void TForm1::MakeStyleGlobalClick(TObject* Sender) {
  const int index = ClickedStyleIndex(Sender);
  if (index < 0 || index >= FStyleCount) return;
  program_.StyleList[static_cast<std::size_t>(index)]->IsGlobal = 1;
  WriteGlobalStyles();
}

void TForm1::WriteGlobalStyles() {
  platform::TIniFile file(platform::NativeOfSystemPath(FGlobalStylePath));
  const int existing = static_cast<int>(file.ReadSection(kStylesSection).size());
  // The file never changes an entry: a name it holds already is not
  // written again. Only the sections there before this pass are compared.
  std::vector<std::string> existingNames;
  for (int n = 0; n < existing; ++n)
    existingNames.push_back(file.ReadString(kStyleKeyPrefix + std::to_string(n), "STYLENAME", ""));

  int next = existing;
  for (int i = 0; i < FStyleCount; ++i) {
    const TStyleRecord& style = *program_.StyleList[static_cast<std::size_t>(i)];
    if (style.IsGlobal != 1) continue;
    bool written = false;
    for (const std::string& name : existingNames) written = written || name == style.Name;
    if (written) continue;
    const std::string section = kStyleKeyPrefix + std::to_string(next);
    if (!file.WriteString(kStylesSection, section, "LABELSTYLE") || !WriteStyleSection(file, section, style)) {
      platform::ShowUnicodeErrorMessage("Unable to write to " + FGlobalStylePath);
      return;
    }
    next += 1;
  }
}

void TForm1::Local1Click(TObject*) {
  TStylePreview& preview = *program_.StylePreview;
  preview.SetStyleCount(FStyleCount);
  preview.SetStyleList(&program_.StyleList);
  preview.SetImportEnabled(false);
  preview.ShowModal();
}

void TForm1::Global1Click(TObject*) {
  std::vector<TStyleRecord*>& globalStyles = program_.GlobalStyleList;
  const GlobalStylesReleased released(globalStyles);
  TStyleSelectForm& choice = *program_.StyleSelectForm;
  // Only what the author checks during this showing is imported.
  choice.ListBox1->Clear();
  {
    const platform::TIniFile file(platform::NativeOfSystemPath(FGlobalStylePath));
    for (const std::string& key : file.ReadSection(kStylesSection))
      globalStyles.push_back(new TStyleRecord(ReadStyleSection(file, key)));
  }
  TStylePreview& preview = *program_.StylePreview;
  preview.SetStyleCount(static_cast<int>(globalStyles.size()));
  preview.SetStyleList(&globalStyles);
  preview.SetImportEnabled(true);
  preview.ShowModal();

  // Another run may have appended meanwhile; the positions shown stay.
  const platform::TIniFile file(platform::NativeOfSystemPath(FGlobalStylePath));
  const std::vector<std::string> keys = file.ReadSection(kStylesSection);
  std::vector<std::string> skipped;
  std::vector<std::string> leftOut;
  int nameless = 0;
  bool imported = false;
  std::vector<TStyleRecord*>& styles = program_.StyleList;
  for (int p = 0; p < static_cast<int>(keys.size()) && p < choice.ListBox1->Count(); ++p) {
    if (!choice.ListBox1->Checked(p)) continue;
    TStyleRecord style = ReadStyleSection(file, keys[static_cast<std::size_t>(p)]);
    if (style.Name.empty()) {
      nameless += 1;
    } else if (StyleNameInUse(styles, FStyleCount, style.Name)) {
      skipped.push_back(style.Name);
    } else if (FStyleCount >= static_cast<int>(styles.size())) {
      leftOut.push_back(style.Name);
    } else {
      *styles[static_cast<std::size_t>(FStyleCount)] = style;
      FStyleCount += 1;
      CreateStyleMenuItems(FStyleCount - 1);
      imported = true;
    }
  }
  if (imported) FModified = true;
  if (nameless > 0) platform::ShowMessage(NamelessMessage(nameless));
  if (!skipped.empty()) platform::ShowMessage(SkippedMessage(skipped));
  if (!leftOut.empty()) platform::ShowMessage(LeftOutMessage(leftOut));
  preview.SetStyleCount(0);
}

}  // namespace designer
