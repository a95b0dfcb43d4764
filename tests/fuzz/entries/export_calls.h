#pragma once
// Turns fuzz bytes into calls of the thirteen exports, as a hostile host
// would make them. Each call is one opcode byte and its arguments:
//  - a text: one byte; below 0xC0 it picks from the pool the call takes
//    (names found in the template, values, condition words, files), from
//    0xC0 on the next byte is a length and that many raw bytes follow;
//  - a file: a pick from the prepared files, or raw bytes made into a name
//    inside the scratch folder (the host cannot reach files of the machine);
//  - an integer: one byte; below 0x80 it picks a telling value (0, -1,
//    INT_MAX ...), otherwise four little-endian bytes follow;
//  - zBxPreviewReport takes one more byte: the moves made in the preview
//    window that a host with a display would have shown (WalkPreview).
// Missing bytes read as zero, so every input decodes to something.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessel_fuzz {

class QuietEngine;

struct ExportCallPools {
  std::vector<std::string> names;  // region, variable and style names
  std::vector<std::string> files;  // native paths of the prepared files
  std::string scratchFolder;       // native path, for raw file names
};

class ExportCalls {
 public:
  ExportCalls(std::string_view bytes, ExportCallPools pools, QuietEngine& quiet);

  bool Done() const { return at_ >= bytes_.size(); }
  // Decodes and makes the next call.
  void RunNext();

 private:
  uint8_t Byte();
  int32_t Integer();
  std::string RawText();
  std::string Text(const std::vector<std::string>& pool);
  std::string File();

  std::string_view bytes_;
  std::size_t at_ = 0;
  ExportCallPools pools_;
  std::vector<std::string> values_;  // names and telling variable values
  QuietEngine& quiet_;
};

// The NAME and STYLENAME values of a template text, once each.
std::vector<std::string> NamesInTemplate(std::string_view text);

}  // namespace tessel_fuzz
