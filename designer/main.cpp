// The designer program: the splash, the seventeen forms in their order,
// then the message loop until the main window closes.
#include <cstdio>

#include "designer/main_window/designer_program.h"
#include "designer/main_window/form1.h"
#include "platform/controls/application.h"
#include "platform/system/qt_application.h"

int main() {
  if (!platform::HasDisplay()) {
    std::fprintf(stderr, "tessel: no display to show the designer on (set DISPLAY or WAYLAND_DISPLAY)\n");
    return 1;
  }
  platform::SetProgramName("tessel");
  platform::TApplication& application = platform::Application();
  if (!application.Initialize()) {
    std::fprintf(stderr, "tessel: the window system could not be started\n");
    return 1;
  }
  application.Title = "Tessel Designer";
  application.HelpFile = "Tessel.hlp";
  designer::DesignerProgram program;
  program.CreateForms(true);
  application.Run(*program.Form1);
  return 0;
}
