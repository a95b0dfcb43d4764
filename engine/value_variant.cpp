#include "engine/value_variant.h"

#include <type_traits>

#include "platform/system/locale_settings.h"
#include "platform/text/number_text.h"

namespace engine {

std::string VariantToText(const Variant& value) {
  return std::visit(
      [](const auto& held) -> std::string {
        using Held = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<Held, std::monostate>) {
          return {};
        } else if constexpr (std::is_same_v<Held, std::string>) {
          return held;
        } else if constexpr (std::is_same_v<Held, int32_t>) {
          return std::to_string(held);
        } else {
          return platform::FloatToStr(held, platform::DecimalSeparator());
        }
      },
      value);
}

}  // namespace engine
