#include "tests/designer_templates/template_fixture.h"

namespace tessel_test {

std::string Crlf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (const char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

}  // namespace tessel_test
