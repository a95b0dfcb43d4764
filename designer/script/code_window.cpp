#include "designer/script/code_window.h"

#include <string_view>
#include <vector>

#include "designer/main_window/auto_scale_form.h"
#include "platform/system/message_box.h"
#include "platform/system/whole_file.h"

namespace designer {
namespace {

platform::TScrollBox* MakeFillingScrollBox(platform::TComponent* owner, platform::TWinControl* parent,
                                           const char* name) {
  auto* box = new platform::TScrollBox(owner);
  box->SetName(name);
  box->SetParent(parent);
  box->SetAlign(platform::TAlign::alClient);
  return box;
}

// The file's lines as a text list takes them: CR LF, LF or CR ends a
// line, and a break at the very end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

}  // namespace

TCodeWindow::TCodeWindow(DesignerProgram& program) : platform::TForm(&program.Forms()), program_(program) {
  AutoScaleForm(*this);
  SetName("CodeWindow");
  SetCaption("CodeWindow");
  SetBounds(0, 0, 326, 311);
  SetPosition(platform::TPosition::poScreenCenter);
  ScrollBox1 = MakeFillingScrollBox(this, this, "ScrollBox1");
  ScrollBox2 = MakeFillingScrollBox(this, ScrollBox1, "ScrollBox2");
  Memo1 = new platform::TMemo(this);
  Memo1->SetName("Memo1");
  Memo1->SetParent(ScrollBox2);
  Memo1->SetAlign(platform::TAlign::alClient);
  Memo1->SetBorder(false);
  Memo1->SetWordWrap(true);
  Memo1->SetLines({"Memo1"});
  OnActivate = [this](platform::TObject* sender) { FormActivate(sender); };
}

void TCodeWindow::FormActivate(platform::TObject*) {
  const std::string& path = program_.Script.ScriptFilePath;
  std::string text;
  if (!platform::ReadWholeFile(path, text)) {
    platform::ShowUnicodeErrorMessage("Cannot open file \"" + path + "\"");
    return;
  }
  Memo1->SetLines(SplitLines(text));
}

}  // namespace designer
