#include "platform/controls/rich_edit.h"

#include <QPainter>

#include "platform/controls/control_widget.h"
#include "platform/drawing/qt_drawing_tools.h"
#include "platform/richtext/rich_text_document.h"
#include "platform/richtext/rich_text_render.h"
#include "platform/system/file_paths.h"
#include "platform/text/win1252.h"

namespace platform {
namespace {

std::vector<std::string> ParagraphsOf(const RichTextDocument& document) {
  std::vector<std::string> lines;
  const std::string text = document.PlainText();
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    lines.push_back(Utf8ToWin1252(line));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  if (lines.size() == 1 && lines.front().empty()) lines.clear();
  return lines;
}

}  // namespace

TRichEdit::TRichEdit(TComponent* owner) : TWinControl(owner), document_(std::make_unique<RichTextDocument>()) {
  AttachWidget(new ControlWidget(*this));
  SetColor(clWindow);
  SetBounds(0, 0, 185, 89);
}

TRichEdit::~TRichEdit() = default;

void TRichEdit::SetLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  fromFile_ = false;
  RebuildPlainDocument();
  Invalidate();
}

bool TRichEdit::LoadFromFile(const std::string& systemPath) {
  auto loaded = std::make_unique<RichTextDocument>();
  if (!loaded->LoadFromFile(NativeOfSystemPath(systemPath))) return false;
  document_ = std::move(loaded);
  lines_ = ParagraphsOf(*document_);
  fromFile_ = true;
  Invalidate();
  return true;
}

void TRichEdit::RebuildPlainDocument() {
  document_->Clear();
  document_->SetDefaultFont(Font());
  for (const std::string& line : lines_) document_->AddLine(line);
}

void TRichEdit::FontChanged() {
  TWinControl::FontChanged();
  if (!fromFile_) RebuildPlainDocument();
  Invalidate();
}

void TRichEdit::Paint(QPainter& painter) {
  painter.fillRect(0, 0, Width(), Height(), ToQColor(Color()));
  RenderRichText(painter, *document_, TRect{1, 1, Width() - 1, Height() - 1}, 96, 96, 0);
}

}  // namespace platform
