#include "platform/richtext/rtf_font_table.h"

namespace platform {

void RtfFontTable::BeginEntry(int32_t number) {
  EndEntry();
  entryOpen_ = true;
  number_ = number;
}

void RtfFontTable::SetCharset(int32_t charset) {
  if (entryOpen_) entry_.charset = charset;
}

void RtfFontTable::AppendToName(char32_t codePoint) {
  if (!entryOpen_ || codePoint < 0x20 || codePoint > 0xFFFF) return;
  entry_.face.append(QChar(static_cast<char16_t>(codePoint)));
}

void RtfFontTable::EndEntry() {
  if (entryOpen_) {
    entry_.face = entry_.face.trimmed();
    if (!entry_.face.isEmpty()) fonts_.insert_or_assign(number_, entry_);
  }
  entryOpen_ = false;
  entry_ = RtfFont{};
}

const RtfFont* RtfFontTable::Find(int32_t number) const {
  const auto it = fonts_.find(number);
  return it == fonts_.end() ? nullptr : &it->second;
}

}  // namespace platform
