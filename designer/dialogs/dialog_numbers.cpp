#include "designer/dialogs/dialog_numbers.h"

#include <cmath>

#include "platform/system/locale_settings.h"
#include "platform/text/number_text.h"

namespace designer {

int RoundHalfEven(double value) { return platform::Round(value); }

std::string RealFieldText(double value) { return platform::FloatToStr(value, platform::DecimalSeparator()); }

std::optional<double> ReadRealField(const std::string& text) {
  // A size typed with the other separator (a template moved between
  // locales, a habit of the author) still means the same size.
  return platform::TryStrToFloatEitherSeparator(text, platform::DecimalSeparator());
}

}  // namespace designer
