#pragma once
// The faces and character sets of an RTF font table by font number. Entries
// are "\fN \fcharsetM name;", inside a group of their own or not; a group's
// end also ends its entry.
#include <QString>
#include <cstdint>
#include <unordered_map>

#include "platform/richtext/rtf_code_page.h"

namespace platform {

struct RtfFont {
  QString face;
  int32_t charset = kCharsetNotGiven;
};

class RtfFontTable {
 public:
  void BeginEntry(int32_t number);
  void SetCharset(int32_t charset);
  void AppendToName(char32_t codePoint);
  // Commits the entry begun with BeginEntry when it has a name.
  void EndEntry();

  // The character set of the entry being read, in which its name is written.
  int32_t EntryCharset() const { return entryOpen_ ? entry_.charset : kCharsetNotGiven; }
  // Null when the table has no such font.
  const RtfFont* Find(int32_t number) const;

 private:
  std::unordered_map<int32_t, RtfFont> fonts_;
  bool entryOpen_ = false;
  int32_t number_ = 0;
  RtfFont entry_;
};

}  // namespace platform
