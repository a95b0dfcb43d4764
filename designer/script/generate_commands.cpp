// Code > Generate: the host script of the open template in one of three
// dialects, written beside the template as "mycode.txt" and shown.
#include <optional>

#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "designer/script/code_window.h"
#include "designer/script/script_file_path.h"
#include "platform/system/file_paths.h"
#include "platform/system/message_box.h"
#include "platform/system/whole_file.h"

namespace designer {
namespace {

void GenerateScript(TForm1& form, TCodeDialect dialect) {
  if (form.FModified && !form.AskSaveChanges()) return;
  // A template that never had a name has no folder to put the script in
  // and no file for the script to load. Save As tells in FProceed whether
  // it wrote the template; a cancelled dialog leaves FProceed as it was.
  if (form.FFileName.empty()) {
    form.FProceed = false;
    form.SaveAs1Click(&form);
    if (!form.FProceed) return;
  }

  // The script is Windows text, and the host hands the name it holds to
  // the engine as such: a name the code page cannot hold would load
  // another file, or none.
  const std::string fileName = TemplateFileName(form.FFileName);
  const std::optional<std::string> scriptFileName = platform::WindowsTextOf(fileName);
  if (!scriptFileName) {
    platform::ShowUnicodeErrorMessage("The host script cannot name the template \"" + fileName +
                                      "\": the script holds only Western European letters. Save the template "
                                      "under a name without the others.");
    return;
  }

  TScriptState& script = form.Program().Script;
  script.Dialect = dialect;
  script.ResetScriptState();
  const std::string path = ScriptFilePathFor(form.FFileName);
  script.WriteLine(script.ScriptHeaderLines(*scriptFileName));
  form.GenerateControlCode(form.REPORT);
  script.WriteLine(script.PrintReportLine());
  script.WriteLine(script.FreeReportLine());

  if (!platform::WriteWholeFile(path, script.Text)) {
    platform::ShowUnicodeErrorMessage("Unable to create file \"" + path + "\"");
    return;
  }
  // Set only now, so that a failed write leaves the last script the one
  // the code window shows.
  script.ScriptFilePath = path;
  form.Program().CodeWindow->ShowModal();
}

}  // namespace

void TForm1::UCD1Click(TObject*) { GenerateScript(*this, TCodeDialect::AuthorwareUCD); }

void TForm1::Xtra1Click(TObject*) { GenerateScript(*this, TCodeDialect::AuthorwareXtra); }

void TForm1::DirectorLingo1Click(TObject*) { GenerateScript(*this, TCodeDialect::DirectorLingo); }

}  // namespace designer
