#pragma once
// The engine as a fuzz input meets it: no report loaded and the error flag
// clear, every message recorded instead of shown, pages painted by a
// RasterPrinter, the print dialog answered at once. Everything is put back,
// and the report freed, when the object goes.
#include <string>
#include <vector>

#include "platform/printing/printer.h"
#include "platform/system/message_box.h"
#include "tests/fuzz/entries/raster_printer.h"

namespace tessel_fuzz {

class QuietEngine {
 public:
  QuietEngine();
  ~QuietEngine();
  QuietEngine(const QuietEngine&) = delete;
  QuietEngine& operator=(const QuietEngine&) = delete;

  RasterPrinter& Printer() { return printer_; }
  const std::vector<std::string>& Messages() const { return messages_.Texts(); }
  void SetDialogAnswer(bool confirmed);

 private:
  platform::ScopedMessageRecorder messages_;
  RasterPrinter printer_;
  platform::TPrinter* previousPrinter_ = nullptr;
};

// Unloads whatever report the engine holds and clears its error flag, as a
// fresh library would start.
void ResetEngine();

}  // namespace tessel_fuzz
