#pragma once
// The class library's number conversions, reproduced so that templates and
// host values convert exactly as they did: StrToInt, StrToFloat (with an
// explicit decimal separator) and FloatToStr (general format, 15 digits).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Decimal with optional sign, or hexadecimal after "$", "0x" or "0X". Leading
// blanks are allowed, nothing may follow the digits. Hexadecimal takes up to
// eight digits as a 32-bit pattern; a decimal out of the 32-bit range is no
// integer.
std::optional<int32_t> TryStrToInt(std::string_view text);

// [blanks][sign]digits[separator digits][(E|e)[sign]digits][blanks], where
// the separator is the given character; at least one digit before or after
// the separator. NaN and infinities are not numbers.
std::optional<double> TryStrToFloat(std::string_view text, char decimalSeparator);

// A real written with either decimal separator, as every reader of
// templates takes it: when the text does not hold the locale's separator,
// the first of the other one ("." for ",", "," for ".") stands for it.
std::optional<double> TryStrToFloatEitherSeparator(std::string_view text, char localeSeparator);

// The class library's Round: to the nearest integer, halves to even,
// clamped to the 32-bit range.
int32_t Round(double value);

// General format with 15 significant digits: fixed notation while the value
// has at most 15 integer digits and is at least 1E-4 (the class library's code
// switches below 0.1E-3, so 0.00001 gives "1E-5"), else d.ddddE+x style
// ("1E20", "1.5E-7"); trailing zeros dropped; the given separator. NaN and
// the infinities give "NAN", "INF" and "-INF".
std::string FloatToStr(double value, char decimalSeparator);

// 0..15 for a hexadecimal digit of either case, -1 for any other character.
int HexValue(char c);

}  // namespace platform
