#pragma once
// TRichEdit: formatted text loaded from an RTF or plain-text file, or lines
// of plain text in the control's font. Lines are its paragraphs as plain
// Windows-1252 text.
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/win_control.h"

namespace platform {

class RichTextDocument;

class TRichEdit : public TWinControl {
 public:
  explicit TRichEdit(TComponent* owner);
  ~TRichEdit() override;

  const std::vector<std::string>& Lines() const { return lines_; }
  // Plain lines in the control's font.
  void SetLines(std::vector<std::string> lines);
  void Clear() { SetLines({}); }
  // RTF when the file begins with "{\rtf", else plain text; path is a
  // system path (platform/system/file_paths.h). False (and the control
  // unchanged) when it cannot be read.
  bool LoadFromFile(const std::string& systemPath);

  void Paint(QPainter& painter) override;

 protected:
  void FontChanged() override;

 private:
  void RebuildPlainDocument();
  std::vector<std::string> lines_;
  bool fromFile_ = false;
  std::unique_ptr<RichTextDocument> document_;
};

}  // namespace platform
