#pragma once
// What the print dialog lets the user choose for the print that follows it.
#include <cstdint>
#include <string>

namespace platform {

struct PrintSettings {
  // The printer as the system names it; empty for the printer in place.
  std::string printerName;
  int32_t copies = 1;
  // Whole copies one after the other; otherwise each page is repeated
  // before the next one.
  bool collate = false;
  // Not empty: the print is written as a PDF to this file (a native path)
  // instead of going to a printer.
  std::string outputFile;
  // The last page first: the whole print, copies included, in reverse.
  bool reverse = false;
  // Every colour printed as its grey.
  bool grayscale = false;

  friend bool operator==(const PrintSettings&, const PrintSettings&) = default;
};

// The copies a dialog may ask for, as many as the platform's dialog offers.
inline constexpr int32_t kMaxCopies = 999;

}  // namespace platform
