#include "platform/text/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace platform {
namespace {

constexpr int kGeneralPrecision = 15;
// A decimal exponent below this (0.0001 is 0.1E-3) is written in scientific
// form, like the class library's general format does.
constexpr int kLowestFixedExponent = -3;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }


std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
  return pos;
}

std::optional<uint32_t> ParseHex(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : digits) {
    const int nibble = HexValue(c);
    if (nibble < 0) return std::nullopt;
    value = (value << 4) | static_cast<uint64_t>(nibble);
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<uint32_t>(value);
}

std::optional<uint32_t> ParseDecimalMagnitude(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > 0x80000000u) return std::nullopt;
  }
  return static_cast<uint32_t>(value);
}

// Rough decimal exponent of a mantissa, to tell an overflow from an underflow
// when the exact conversion is out of range.
long MagnitudeOf(std::string_view intDigits, std::string_view fracDigits, long exponent) {
  const std::size_t firstNonZero = intDigits.find_first_not_of('0');
  if (firstNonZero != std::string_view::npos)
    return exponent + static_cast<long>(intDigits.size() - firstNonZero);
  const std::size_t fracNonZero = fracDigits.find_first_not_of('0');
  if (fracNonZero == std::string_view::npos) return 0;
  return exponent - static_cast<long>(fracNonZero);
}

}  // namespace

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<int32_t> TryStrToInt(std::string_view text) {
  std::size_t pos = SkipBlanks(text, 0);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const std::string_view rest = text.substr(pos);
  if (!rest.empty() && rest[0] == '$') {
    const std::optional<uint32_t> pattern = ParseHex(rest.substr(1));
    if (!pattern) return std::nullopt;
    return static_cast<int32_t>(negative ? 0u - *pattern : *pattern);
  }
  if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    const std::optional<uint32_t> pattern = ParseHex(rest.substr(2));
    if (!pattern) return std::nullopt;
    return static_cast<int32_t>(negative ? 0u - *pattern : *pattern);
  }
  const std::optional<uint32_t> magnitude = ParseDecimalMagnitude(rest);
  if (!magnitude) return std::nullopt;
  if (negative) return static_cast<int32_t>(-static_cast<int64_t>(*magnitude));
  if (*magnitude > 0x7FFFFFFFu) return std::nullopt;
  return static_cast<int32_t>(*magnitude);
}

std::optional<double> TryStrToFloat(std::string_view text, char decimalSeparator) {
  std::size_t pos = SkipBlanks(text, 0);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const std::size_t intStart = pos;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  const std::string_view intDigits = text.substr(intStart, pos - intStart);
  std::string_view fracDigits;
  if (pos < text.size() && text[pos] == decimalSeparator) {
    const std::size_t fracStart = ++pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    fracDigits = text.substr(fracStart, pos - fracStart);
  }
  if (intDigits.empty() && fracDigits.empty()) return std::nullopt;

  std::string_view expDigits;
  bool expNegative = false;
  if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      expNegative = text[pos] == '-';
      ++pos;
    }
    const std::size_t expStart = pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    expDigits = text.substr(expStart, pos - expStart);
    if (expDigits.empty()) return std::nullopt;
  }
  if (SkipBlanks(text, pos) != text.size()) return std::nullopt;

  // from_chars knows no sign, no "+" exponent and no foreign separator, and
  // unlike strtod it ignores the C locale that a Qt application changes.
  std::string normal;
  normal.reserve(intDigits.size() + fracDigits.size() + expDigits.size() + 4);
  normal.append(intDigits.empty() ? std::string_view("0") : intDigits);
  if (!fracDigits.empty()) normal.append(".").append(fracDigits);
  if (!expDigits.empty()) normal.append(expNegative ? "e-" : "e").append(expDigits);

  double value = 0.0;
  const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (error == std::errc::result_out_of_range) {
    long exponent = 0;
    if (!expDigits.empty()) {
      // An exponent too long for a long is far out of range either way.
      const std::string_view capped = expDigits.substr(0, 9);
      exponent = std::strtol(std::string(capped).c_str(), nullptr, 10);
      if (expNegative) exponent = -exponent;
    }
    if (MagnitudeOf(intDigits, fracDigits, exponent) > 0) return std::nullopt;
    value = 0.0;
  } else if (error != std::errc() || end != normal.data() + normal.size()) {
    return std::nullopt;
  }
  if (!std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::string FloatToStr(double value, char decimalSeparator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0.0) return "0";

  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, kGeneralPrecision - 1);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t ePos = text.find('e');
  std::string digits;
  for (char c : text.substr(0, ePos))
    if (IsDigit(c)) digits.push_back(c);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::atoi(std::string(text.substr(ePos + 1)).c_str());
  // Position of the decimal point relative to the first digit, as in 0.d1d2..E(x).
  const int pointPos = exponent + 1;

  std::string out;
  if (value < 0) out.push_back('-');
  if (pointPos > kGeneralPrecision || pointPos < kLowestFixedExponent) {
    out.push_back(digits[0]);
    if (digits.size() > 1) out.append(1, decimalSeparator).append(digits.substr(1));
    out.append("E").append(std::to_string(exponent));
  } else if (pointPos <= 0) {
    out.append("0").append(1, decimalSeparator).append(static_cast<std::size_t>(-pointPos), '0');
    out.append(digits);
  } else if (digits.size() <= static_cast<std::size_t>(pointPos)) {
    out.append(digits).append(static_cast<std::size_t>(pointPos) - digits.size(), '0');
  } else {
    out.append(digits.substr(0, static_cast<std::size_t>(pointPos)));
    out.append(1, decimalSeparator).append(digits.substr(static_cast<std::size_t>(pointPos)));
  }
  return out;
}

std::optional<double> TryStrToFloatEitherSeparator(std::string_view text, char localeSeparator) {
  std::string number(text);
  if (number.find(localeSeparator) == std::string::npos) {
    const char other = localeSeparator == ',' ? '.' : localeSeparator == '.' ? ',' : '\0';
    if (other != '\0') {
      if (const std::size_t at = number.find(other); at != std::string::npos) number[at] = localeSeparator;
    }
  }
  return TryStrToFloat(number, localeSeparator);
}

int32_t Round(double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded < 2147483647.0)) return 2147483647;
  if (rounded < -2147483648.0) return -2147483647 - 1;
  return static_cast<int32_t>(rounded);
}

}  // namespace platform
