#pragma once
// Splits RTF bytes into group braces, control words and symbols, escaped
// bytes and runs of plain text. Every byte is looked at a bounded number of
// times, so any input is read in linear time.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

struct RtfToken {
  enum class Kind { End, GroupOpen, GroupClose, ControlWord, ControlSymbol, HexByte, Text };
  Kind kind = Kind::End;
  std::string_view word;   // ControlWord: the letters; Text: the run of bytes
  bool hasParameter = false;
  int32_t parameter = 0;   // saturated to the int32 range
  char symbol = 0;         // ControlSymbol: the character after the backslash
  unsigned char byte = 0;  // HexByte: the value of \'hh
};

class RtfTokenizer {
 public:
  explicit RtfTokenizer(std::string_view input) : input_(input) {}

  RtfToken Next();
  // Skips raw bytes (the data of \binN); never past the end of the input.
  void SkipBytes(int64_t count);

 private:
  RtfToken ReadControl();
  bool AtEnd() const { return pos_ >= input_.size(); }

  std::string_view input_;
  size_t pos_ = 0;
};

}  // namespace platform
