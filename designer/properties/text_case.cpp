#include "designer/properties/text_case.h"

namespace designer {
namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string InitialCaps(std::string text) {
  for (std::size_t i = 1; i < text.size(); ++i)
    if (text[i - 1] == ' ') text[i] = UpperAscii(text[i]);
  if (!text.empty()) text[0] = UpperAscii(text[0]);
  return text;
}

}  // namespace designer
