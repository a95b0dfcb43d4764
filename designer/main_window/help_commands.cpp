// The Help menu: the help page shipped with the program, the maker's web
// page and the about box.
#include "designer/main_window/about_screen.h"
#include "designer/main_window/form1.h"
#include "platform/system/desktop_services.h"
#include "platform/system/file_paths.h"
#include "platform/system/program_files.h"

namespace designer {
namespace {

constexpr const char* kMakersPage = "https://tessel-reports.example.org/";

// Hands a file or web address to the desktop's "open" action; its result
// is not looked at.
void OpenWithShell(const std::string& target) { platform::OpenWithDesktop(target); }

}  // namespace

void TForm1::GeneralHelp1Click(TObject*) {
  // The help is a page installed beside the program; without it, or
  // without a handler for it, nothing happens.
  const std::string page = platform::ProgramFilePath("tessel-help.html");
  if (!page.empty() && platform::SystemFileExists(page)) OpenWithShell(page);
}

void TForm1::theBrenlow1Click(TObject*) { OpenWithShell(kMakersPage); }

void TForm1::About1Click(TObject*) { program_.AboutScreen->ShowModal(); }

}  // namespace designer
