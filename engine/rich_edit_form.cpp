#include "engine/rich_edit_form.h"

#include "engine/class_library_round.h"
#include "platform/printing/printer.h"
#include "platform/system/file_paths.h"

namespace engine {
TRichEditForm::TRichEditForm(platform::TPrinter& printer) : printer_(printer) {}

bool TRichEditForm::LoadFile(const std::string& windowsPath) {
  return REdit.LoadFromFile(platform::NativePath(windowsPath));
}

void TRichEditForm::SetMargins(double left, double right, double top, double bottom) {
  const int32_t ppiX = printer_.LogPixelsX();
  const int32_t ppiY = printer_.LogPixelsY();
  printRect_.Left = Round(left * ppiX);
  printRect_.Top = Round(top * ppiY);
  printRect_.Right = printer_.PageWidth() - Round(right * ppiX);
  printRect_.Bottom = printer_.PageHeight() - Round(bottom * ppiY);
}

void TRichEditForm::PrintFile() {
  platform::PrintJob job(printer_);
  const int32_t length = REdit.CharacterCount();
  int32_t position = 0;
  for (;;) {
    const int32_t next = printer_.Canvas().FormatRichText(REdit, printRect_, printer_.LogPixelsX(),
                                                         printer_.LogPixelsY(), position);
    // A page that takes no character (margins larger than the page) would
    // repeat for ever; the job ends with what was printed.
    if (next <= position || next >= length) break;
    position = next;
    printer_.NewPage();
  }
  job.End();
}

}  // namespace engine
