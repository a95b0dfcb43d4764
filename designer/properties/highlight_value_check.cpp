#include "designer/properties/highlight_value_check.h"

#include "platform/text/number_text.h"

namespace designer {

std::optional<std::string> HighlightValueRefusal(TVariableType type, const std::string& value) {
  if (value.empty()) return std::nullopt;
  switch (type) {
    case TVariableType::IntegerVar:
      if (platform::TryStrToInt(value)) return std::nullopt;
      return "'" + value + "' is not a valid integer value";
    case TVariableType::FloatingPointVar:
      // The engine takes its own locale's separator, or the other one of
      // "." and "," when the value has none of its own.
      if (platform::TryStrToFloat(value, '.') || platform::TryStrToFloat(value, ',')) return std::nullopt;
      return "'" + value + "' is not a valid floating point value";
    default:
      return std::nullopt;
  }
}

}  // namespace designer
