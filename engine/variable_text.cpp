#include "engine/variable_text.h"

#include "platform/system/locale_settings.h"

namespace engine {

std::optional<std::string> VariableText(const rcVariable& variable, const rcVariableData* data,
                                        int32_t pageNumber, int32_t pageCount) {
  switch (variable.VarType) {
    case kVarString:
    case kVarInteger:
    case kVarFloatingPoint:
      return data ? VariantToText(data->value) : std::string();
    case kVarPageNumber:
      return std::to_string(pageNumber);
    case kVarPageCount:
      return std::to_string(pageCount);
    case kVarDate:
      return platform::ShortDateText(platform::Now());
    case kVarTime:
      return platform::LongTimeText(platform::Now());
    case kVarDateTime: {
      std::string text = platform::ShortDateText(platform::Now());
      return text + " " + platform::LongTimeText(platform::Now());
    }
    default:
      return std::nullopt;
  }
}

}  // namespace engine
