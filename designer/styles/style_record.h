#pragma once
// One text style: a named font. Names are cut to 20 characters, font faces
// to 25 and the alignment text (carried from file to file, never read) to
// 15 when stored.
#include <cstdint>
#include <string>

namespace designer {

inline constexpr std::size_t kStyleNameLength = 20;
inline constexpr std::size_t kFontNameLength = 25;
inline constexpr std::size_t kAlignmentLength = 15;
// The style list holds this many records, and so a design this many styles.
inline constexpr int kStyleRecordCount = 11;

struct TStyleRecord {
  uint8_t IsGlobal = 0;
  std::string Name;
  int32_t StyleBits = 0;
  int32_t Size = 0;
  // $00BBGGRR, or a system colour (negative).
  int32_t Color = 0;
  std::string FontName;
  std::string Alignment;
  friend bool operator==(const TStyleRecord&, const TStyleRecord&) = default;
};

}  // namespace designer
