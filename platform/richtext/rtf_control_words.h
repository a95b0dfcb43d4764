#pragma once
// The control words the reader acts on, by name. Every other word is
// ignored, as RTF asks of a reader that does not know it.
#include <cstdint>
#include <string_view>

namespace platform {

enum class RtfWord : uint8_t {
  Unknown,
  // destinations
  FontTable, ColorTable, SkippedDestination,
  // font table
  FontCharset,
  // document
  DefaultFont, AnsiCodePage, UnicodeSkip, Unicode, Binary,
  // character format
  Plain, Bold, Italic, Underline, UnderlineNone, Strike, FontSize, Font, Color,
  Red, Green, Blue,
  // paragraph format
  ParagraphDefault, AlignLeft, AlignRight, AlignCenter, AlignJustify,
  LeftIndent, RightIndent, FirstIndent,
  // text
  Paragraph, Character,
};

struct RtfWordInfo {
  RtfWord word = RtfWord::Unknown;
  char16_t character = 0;  // RtfWord::Character: the character it stands for
};

RtfWordInfo LookUpRtfWord(std::string_view name);

}  // namespace platform
