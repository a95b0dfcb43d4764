#include "platform/richtext/rtf_tokenizer.h"

#include <limits>

#include "platform/text/number_text.h"

namespace platform {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool EndsTextRun(char c) { return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n'; }

}  // namespace

RtfToken RtfTokenizer::Next() {
  while (!AtEnd()) {
    const char c = input_[pos_];
    if (c == '\r' || c == '\n') {  // line ends in RTF source carry no meaning
      ++pos_;
      continue;
    }
    RtfToken token;
    if (c == '{') {
      ++pos_;
      token.kind = RtfToken::Kind::GroupOpen;
      return token;
    }
    if (c == '}') {
      ++pos_;
      token.kind = RtfToken::Kind::GroupClose;
      return token;
    }
    if (c == '\\') return ReadControl();
    const size_t start = pos_;
    while (!AtEnd() && !EndsTextRun(input_[pos_])) ++pos_;
    token.kind = RtfToken::Kind::Text;
    token.word = input_.substr(start, pos_ - start);
    return token;
  }
  return RtfToken{};
}

RtfToken RtfTokenizer::ReadControl() {
  ++pos_;  // the backslash
  RtfToken token;
  if (AtEnd()) return token;
  const char first = input_[pos_];
  if (!IsLetter(first)) {
    ++pos_;
    if (first == '\'') {
      const int high = AtEnd() ? -1 : HexValue(input_[pos_]);
      const int low = pos_ + 1 < input_.size() ? HexValue(input_[pos_ + 1]) : -1;
      if (high >= 0 && low >= 0) {
        pos_ += 2;
        token.kind = RtfToken::Kind::HexByte;
        token.byte = static_cast<unsigned char>(high * 16 + low);
        return token;
      }
      // A broken escape loses its one hex digit, and becomes a symbol that
      // nobody acts on.
      if (high >= 0) ++pos_;
    }
    token.kind = RtfToken::Kind::ControlSymbol;
    token.symbol = first;
    return token;
  }

  const size_t start = pos_;
  while (!AtEnd() && IsLetter(input_[pos_])) ++pos_;
  token.kind = RtfToken::Kind::ControlWord;
  token.word = input_.substr(start, pos_ - start);

  size_t digits = pos_;
  const bool negative = digits < input_.size() && input_[digits] == '-';
  if (negative) ++digits;
  if (digits < input_.size() && IsDigit(input_[digits])) {
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t value = 0;
    while (digits < input_.size() && IsDigit(input_[digits])) {
      if (value < kLimit) value = value * 10 + (input_[digits] - '0');
      ++digits;
    }
    if (value > kLimit) value = kLimit;
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    token.hasParameter = true;
    token.parameter = static_cast<int32_t>(value);
    pos_ = digits;
  }
  if (!AtEnd() && input_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
  return token;
}

void RtfTokenizer::SkipBytes(int64_t count) {
  if (count <= 0) return;
  const size_t left = input_.size() - pos_;
  pos_ += static_cast<uint64_t>(count) < left ? static_cast<size_t>(count) : left;
}

}  // namespace platform
