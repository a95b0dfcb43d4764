#pragma once
// The Variant of the original: unassigned, text, 32-bit integer or double.
#include <cstdint>
#include <string>
#include <variant>

namespace engine {

using Variant = std::variant<std::monostate, std::string, int32_t, double>;

inline bool IsUnassigned(const Variant& v) { return std::holds_alternative<std::monostate>(v); }

// The platform's Variant-to-text conversion: text unchanged, integers in
// decimal, doubles by FloatToStr with the locale's decimal separator,
// unassigned as the empty text.
std::string VariantToText(const Variant& value);

}  // namespace engine
