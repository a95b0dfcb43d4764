#pragma once
// A designer whose template is saved as sales.qnf in the test's folder, and
// the script a Generate command writes beside it.
#include <initializer_list>
#include <string>

#include "tests/designer_host_script/design_builder.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {

class HostScriptTest : public DesignerTest {
 protected:
  void SetUp() override {
    DesignerTest::SetUp();
    form().FModified = false;
    form().FFileName = WindowsPath("sales.qnf");
  }

  DesignBuilder Design() { return DesignBuilder(form()); }

  std::string ScriptFile() const { return folder() + "/mycode.txt"; }

  // Runs the command with the code window answered and gives the file.
  std::string Generate(platform::TMenuItem* command) {
    modals->On("CodeWindow", [](platform::TForm&) {});
    command->Click();
    return ReadFileBytes(ScriptFile());
  }
};

// The lines, each ended by CR LF.
inline std::string CrLfLines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace tessel_test
