#pragma once
// Numbers as the page layout dialogs show and read them: reals in the
// locale's general format, typed with either decimal separator, and the
// class library's rounding of pixel positions.
#include <optional>
#include <string>

namespace designer {

// Halves go to the even neighbour, as the class library's Round does.
int RoundHalfEven(double value);

// General format, 15 significant digits, the locale's separator (8.0 gives
// "8").
std::string RealFieldText(double value);

// The number in a field, read the way the designer reads reals: text that
// lacks the locale's separator may use "." or "," instead. Empty for text
// that is no number.
std::optional<double> ReadRealField(const std::string& text);

}  // namespace designer
