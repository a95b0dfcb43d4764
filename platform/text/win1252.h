#pragma once
// Text inside both deliverables is single-byte Windows-1252 ("ANSI"), as hosts
// pass it and as templates store it. These map it to and from UTF-8, which is
// what Qt and the Linux file system speak.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Unicode code point of one Windows-1252 byte. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of
// the same value, so every byte survives a round trip.
char32_t Win1252ToCodePoint(unsigned char byte);

std::string Win1252ToUtf8(std::string_view ansi);
// Characters the code page cannot hold become '?'. Invalid UTF-8 bytes too.
std::string Utf8ToWin1252(std::string_view utf8);
// The same text, or nothing when a character has no byte in the code page
// (or the bytes are no UTF-8): for text that must not change on the way.
std::optional<std::string> Utf8ToWin1252Exactly(std::string_view utf8);

}  // namespace platform
