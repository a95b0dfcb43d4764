#include "tests/fuzz/entries/designer_checks.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "designer/dialogs/paragraph_form.h"
#include "designer/editing/scratch_pad_form.h"
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "designer/template_io/control_tree_io.h"
#include "platform/ini/ini_file.h"
#include "platform/text/ansi_text.h"
#include "tests/fuzz/entries/designer_session.h"
#include "tests/fuzz/entries/invariant.h"

namespace tessel_fuzz {
namespace {

void CheckNamesOnce(const platform::TComponent& owner, std::unordered_set<std::string>& seen,
                    const std::string& after) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    const std::string& name = owner.Components(i)->Name();
    if (name.empty()) continue;
    CheckInvariant(seen.insert(platform::UpperCase(name)).second,
                   after + ": the name " + name + " is given twice");
  }
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += "\n  " + text;
  return joined;
}

// The file as the designer and the engine read it: every section and key
// in file order, with its value peeled. Left out: a label's NAME, which no
// reader looks at (labels are numbered anew in reading order, so a label
// whose number a region or variable held on the first way through gets its
// number back on the second), and the size of labels and variables, which
// size themselves to their text in their style (a text or style name that
// loses a layer of quotes on its first way through changes it).
std::string AsRead(const std::string& nativePath) {
  const platform::TIniFile file(nativePath);
  const std::vector<std::string> sections = file.ReadSections();
  std::unordered_map<std::string, std::string> kinds;
  for (const std::string& section : sections) {
    for (const std::string& key : file.ReadSection(section))
      kinds.emplace(platform::UpperCase(key), file.ReadString(section, key, ""));
  }
  std::string text;
  for (const std::string& section : sections) {
    text += "[" + section + "]\n";
    const auto kind = kinds.find(platform::UpperCase(section));
    const bool label = kind != kinds.end() && kind->second == "LABEL";
    const bool sizesItself = label || (kind != kinds.end() && kind->second == "VARIABLE");
    for (const std::string& key : file.ReadSection(section)) {
      const std::string name = platform::UpperCase(key);
      if ((label && name == "NAME") || (sizesItself && (name == "WIDTH" || name == "HEIGHT"))) continue;
      text += key + "=" + platform::SettledIniValue(file.ReadString(section, key, "")) + "\n";
    }
  }
  return text;
}

// Objects that name a style beyond the eleventh keep its name, and a save
// writes that style after the list so that the engine finds it: such a
// template holds more than eleven styles again, and says so when it opens.
bool TellsOfStylesLeftOut(const std::string& message) {
  return message.starts_with("The template holds ") &&
         message.find(" styles; only the first 11 were read, the others were left out.") != std::string::npos;
}

std::string FirstDifference(const std::string& first, const std::string& second) {
  std::size_t at = 0;
  while (at < first.size() && at < second.size() && first[at] == second[at]) ++at;
  const std::size_t lineStart = first.rfind('\n', at == 0 ? 0 : at - 1);
  const std::size_t from = lineStart == std::string::npos ? 0 : lineStart + 1;
  return "  first:  " + first.substr(from, 120) + "\n  second: " + second.substr(from, 120);
}

}  // namespace

void CheckSoundDesign(designer::TForm1& form, const std::string& after) {
  designer::DesignerProgram& program = form.Program();
  std::unordered_set<std::string> seen;
  CheckNamesOnce(*form.REPORT, seen, after);
  CheckNamesOnce(*program.ScratchPadForm, seen, after);

  CheckInvariant(form.Stack1->Count() == 2 && form.Stack1->Peek() == form.REPORT,
                 after + ": the container stack holds the paper box and REPORT only");

  const int styles = form.FStyleCount;
  CheckInvariant(styles >= 0 && styles <= static_cast<int>(program.StyleList.size()) &&
                     program.StyleList.size() == static_cast<std::size_t>(designer::kStyleRecordCount),
                 after + ": the styles in use fit the style list of eleven records");
  for (const platform::TMenuItem* submenu :
       {form.SelectStyle1, form.ModifyStyle1, form.DeleteStyle1, form.VarMainStyle, form.VarHLStyle,
        form.MakeStyleGlobal1, program.ParagraphForm->SelectStyle1}) {
    CheckInvariant(submenu->Count() == styles, after + ": every style submenu holds one item per style in use");
    for (int i = 0; i < styles; ++i) {
      CheckInvariant(submenu->Items(i)->Caption() == program.StyleList[static_cast<std::size_t>(i)]->Name,
                     after + ": style item i is captioned with style i's name");
    }
  }
  CheckInvariant(program.GlobalStyleList.empty(), after + ": the global style list is empty between commands");
}

int DesignObjectCount(designer::TForm1& form) { return designer::CountDesignObjects(form, form.REPORT); }

void CheckSavedTemplateReadsBack(QuietDesigner& quiet, const std::string& after) {
  designer::TForm1& form = quiet.Form();
  const DesignerSession& session = quiet.Session();
  const std::string saved = session.WindowsPathOf("saved.qnf");
  const int objects = DesignObjectCount(form);

  quiet.Forget();
  quiet.SaveAs(saved);
  CheckInvariant(quiet.Errors().empty(), after + ", the design saves:" + Joined(quiet.Errors()));
  CheckInvariant(!form.FModified && form.FFileName == saved && form.Caption() == saved,
                 after + ", a save names the design after its file");

  // Save As asked to overwrite the last input's file.
  quiet.Forget();
  quiet.Open(saved);
  CheckInvariant(quiet.Errors().empty() && std::all_of(quiet.Messages().begin(), quiet.Messages().end(), TellsOfStylesLeftOut),
                 after + ", the designer's own template opens without a word:" + Joined(quiet.Errors()) +
                     Joined(quiet.Messages()));
  CheckSoundDesign(form, after + ", after opening the saved template");
  CheckInvariant(DesignObjectCount(form) == objects, after + ", the saved template opens into as many objects");

  quiet.SaveAs(session.WindowsPathOf("saved-again.qnf"));
  CheckInvariant(quiet.Errors().empty(), after + ", the reopened design saves:" + Joined(quiet.Errors()));
  const std::string first = AsRead(session.NativePathOf("saved.qnf"));
  const std::string second = AsRead(session.NativePathOf("saved-again.qnf"));
  CheckInvariant(first == second, after + ", the saved template, opened and saved again, reads alike:\n" +
                                      FirstDifference(first, second));
}

}  // namespace tessel_fuzz
