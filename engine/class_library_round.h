#pragma once
// The class library's Round: to the nearest integer, halves to even (the
// processor's default rounding), clamped to the 32-bit range. Page
// placements computed with it must match the original to the pixel.
#include <cmath>
#include <cstdint>

namespace engine {

inline int32_t Round(double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded < 2147483647.0)) return 2147483647;
  if (rounded < -2147483648.0) return -2147483647 - 1;
  return static_cast<int32_t>(rounded);
}

}  // namespace engine
