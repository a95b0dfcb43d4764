#include "designer/properties/highlight_value_check.h"

#include "platform/system/locale_settings.h"
#include "platform/text/number_text.h"

namespace designer {

std::optional<std::string> HighlightValueRefusal(TVariableType type, const std::string& value) {
  if (value.empty()) return std::nullopt;
  switch (type) {
    case TVariableType::IntegerVar:
      if (platform::TryStrToInt(value)) return std::nullopt;
      return "'" + value + "' is not a valid integer value";
    case TVariableType::FloatingPointVar:
      // The engine reads the value with either separator.
      if (platform::TryStrToFloatEitherSeparator(value, platform::DecimalSeparator())) return std::nullopt;
      return "'" + value + "' is not a valid floating point value";
    default:
      return std::nullopt;
  }
}

}  // namespace designer
