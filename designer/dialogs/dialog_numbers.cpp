#include "designer/dialogs/dialog_numbers.h"

#include <cmath>

#include "platform/system/locale_settings.h"
#include "platform/text/number_text.h"

namespace designer {

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

std::string RealFieldText(double value) { return platform::FloatToStr(value, platform::DecimalSeparator()); }

std::optional<double> ReadRealField(const std::string& text) {
  const char separator = platform::DecimalSeparator();
  std::string number = text;
  if (number.find(separator) == std::string::npos) {
    // A size typed with the other separator (a template moved between
    // locales, a habit of the author) still means the same size.
    if (const size_t other = number.find_first_of(".,"); other != std::string::npos) number[other] = separator;
  }
  return platform::TryStrToFloat(number, separator);
}

}  // namespace designer
