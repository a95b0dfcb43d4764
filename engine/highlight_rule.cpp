#include <compare>
#include <optional>
#include <string>

#include "engine/report_model.h"
#include "platform/system/locale_settings.h"
#include "platform/text/number_text.h"

namespace engine {
namespace {

// Numeric side of a mixed comparison. Text goes through the locale's decimal
// separator, as the host's own Variant conversion would read it.
double AsNumber(const Variant& side) {
  if (const auto* number = std::get_if<double>(&side)) return *number;
  if (const auto* whole = std::get_if<int32_t>(&side)) return *whole;
  if (const auto* text = std::get_if<std::string>(&side)) {
    if (std::optional<double> parsed = platform::TryStrToFloat(*text, platform::DecimalSeparator()))
      return *parsed;
  }
  throw VariantError{};
}

std::partial_ordering CompareVariants(const Variant& value, const Variant& ruleValue) {
  if (IsUnassigned(value) || IsUnassigned(ruleValue)) throw VariantError{};
  const auto* valueText = std::get_if<std::string>(&value);
  const auto* ruleText = std::get_if<std::string>(&ruleValue);
  if (valueText && ruleText) {
    // char_traits<char> compares as unsigned bytes, a proper prefix first.
    const int order = valueText->compare(*ruleText);
    return order < 0 ? std::partial_ordering::less
                     : order > 0 ? std::partial_ordering::greater : std::partial_ordering::equivalent;
  }
  const auto* valueWhole = std::get_if<int32_t>(&value);
  const auto* ruleWhole = std::get_if<int32_t>(&ruleValue);
  if (valueWhole && ruleWhole) return *valueWhole <=> *ruleWhole;
  return AsNumber(value) <=> AsNumber(ruleValue);
}

}  // namespace

bool EvaluateHighlight(uint8_t highlightWhen, const Variant& value, const Variant& ruleValue) {
  switch (highlightWhen) {
    case kHlLessThan:
      return CompareVariants(value, ruleValue) < 0;
    case kHlGreaterThan:
      return CompareVariants(value, ruleValue) > 0;
    case kHlEquals:
      return CompareVariants(value, ruleValue) == 0;
    case kHlNotEqual:
      return CompareVariants(value, ruleValue) != 0;
    case kHlLessThanEquals:
      return CompareVariants(value, ruleValue) <= 0;
    case kHlGreaterThanEquals:
      return CompareVariants(value, ruleValue) >= 0;
    default:
      // "none", and "masterHighlighted", which takes its flag when the region closes.
      return false;
  }
}

}  // namespace engine
