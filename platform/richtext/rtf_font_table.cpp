#include "platform/richtext/rtf_font_table.h"

namespace platform {

void RtfFontTable::BeginEntry(int32_t number) {
  EndEntry();
  entryOpen_ = true;
  number_ = number;
}

void RtfFontTable::AppendToName(char32_t codePoint) {
  if (!entryOpen_ || codePoint < 0x20 || codePoint > 0xFFFF) return;
  name_.append(QChar(static_cast<char16_t>(codePoint)));
}

void RtfFontTable::EndEntry() {
  if (entryOpen_) {
    const QString face = name_.trimmed();
    if (!face.isEmpty()) faces_.insert_or_assign(number_, face);
  }
  entryOpen_ = false;
  name_.clear();
}

const QString* RtfFontTable::Find(int32_t number) const {
  const auto it = faces_.find(number);
  return it == faces_.end() ? nullptr : &it->second;
}

}  // namespace platform
