#pragma once
// One print job drawn as a PDF into a temporary file of its own, which goes
// when the object goes: what the PDF backend copies to its target and what
// a system printer is handed. The colour mode is the job's: in grey every
// colour, picture and text is printed as its grey.
#include <memory>
#include <string>

#include "platform/drawing/canvas.h"

class QPageLayout;

namespace platform {

struct PdfJobLook {
  bool grayscale = false;
  std::string ansiTitle;
};

class PdfJobFile {
 public:
  // Throws EPrinter when the file cannot be started.
  PdfJobFile(const QPageLayout& layout, int32_t pixelsPerInch, const PdfJobLook& look);
  ~PdfJobFile();
  PdfJobFile(const PdfJobFile&) = delete;
  PdfJobFile& operator=(const PdfJobFile&) = delete;

  TCanvas& Canvas();
  void NewPage();  // throws EPrinter
  // Ends the drawing and gives the finished file's path, valid while this
  // object lives. Throws EPrinter when the file could not be completed.
  std::string Finish();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace platform
