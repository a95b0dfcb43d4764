#pragma once
// TRichEditForm: the never-shown form whose rich-text control prints a text
// or RTF file page after page inside the page margins.
#include <string>

#include "platform/drawing/geometry.h"
#include "platform/richtext/rich_text_document.h"

namespace platform {
class TPrinter;
}

namespace engine {

class TRichEditForm {
 public:
  explicit TRichEditForm(platform::TPrinter& printer);

  // False when the file cannot be read.
  bool LoadFile(const std::string& windowsPath);
  // Margins in inches; left and right at the printer's horizontal
  // resolution, top and bottom at its vertical one.
  void SetMargins(double left, double right, double top, double bottom);
  // One job; the text formatted into the margin rectangle page after page.
  void PrintFile();

  const platform::TRect& PrintRect() const { return printRect_; }
  platform::RichTextDocument REdit;

 private:
  platform::TPrinter& printer_;
  platform::TRect printRect_;
};

}  // namespace engine
