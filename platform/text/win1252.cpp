#include "platform/text/win1252.h"

#include <array>
#include <cstdint>

namespace platform {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char kUnmappable = '?';

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    // Every code point of the table lies below U+10000.
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

int ByteOfCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

// Decodes one well-formed UTF-8 sequence at text[pos]; on success returns its
// length and sets cp, else returns 0. Overlong forms and surrogates are refused
// so that no two inputs alias the same byte.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    cp = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, cp = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

// Appends the code page's bytes of the text; false when any character
// became '?' because the code page has none for it.
bool ConvertUtf8ToWin1252(std::string_view utf8, std::string& out) {
  out.reserve(out.size() + utf8.size());
  bool exact = true;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = 0;
    const std::size_t length = DecodeUtf8(utf8, pos, cp);
    if (length == 0) {
      out.push_back(kUnmappable);
      exact = false;
      ++pos;
      continue;
    }
    const int byte = ByteOfCodePoint(cp);
    out.push_back(byte < 0 ? kUnmappable : static_cast<char>(byte));
    exact = exact && byte >= 0;
    pos += length;
  }
  return exact;
}

}  // namespace

char32_t Win1252ToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::string Win1252ToUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (char c : ansi) AppendUtf8(out, Win1252ToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToWin1252(std::string_view utf8) {
  std::string out;
  ConvertUtf8ToWin1252(utf8, out);
  return out;
}

std::optional<std::string> Utf8ToWin1252Exactly(std::string_view utf8) {
  std::string out;
  if (!ConvertUtf8ToWin1252(utf8, out)) return std::nullopt;
  return out;
}

}  // namespace platform
