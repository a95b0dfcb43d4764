#pragma once
// Bounds at the zoom levels, step by step from level 0, with the window
// system's rounding written out again so that tests do not lean on the code
// under test.
#include <cstdint>
#include <cstdlib>

#include "platform/controls/control.h"

namespace zoom_reference {

// The rounding of the window system's MulDiv.
inline int32_t RefMulDiv(int32_t a, int32_t m, int32_t d) {
  const int64_t product = static_cast<int64_t>(a) * m;
  const int64_t magnitude = (std::llabs(product) * 2 + d) / (2 * static_cast<int64_t>(d));
  return static_cast<int32_t>(product < 0 ? -magnitude : magnitude);
}

inline platform::TBounds RefScale(platform::TBounds b, int32_t m, int32_t d) {
  const int32_t left = RefMulDiv(b.Left, m, d), top = RefMulDiv(b.Top, m, d);
  return platform::TBounds{left, top, RefMulDiv(b.Left + b.Width, m, d) - left, RefMulDiv(b.Top + b.Height, m, d) - top};
}

// A child's bounds at a zoom level, computed from level 0.
inline platform::TBounds RefAtLevel(platform::TBounds design, int level) {
  for (int i = 0; i < std::abs(level); ++i) design = level > 0 ? RefScale(design, 100, 85) : RefScale(design, 85, 100);
  return design;
}

// The bounds of the control zoomed itself: it stays where it is and each
// step sizes it as a child standing there.
inline platform::TBounds RefOwnAtLevel(platform::TBounds design, int level) {
  for (int i = 0; i < std::abs(level); ++i) {
    const platform::TBounds scaled = level > 0 ? RefScale(design, 100, 85) : RefScale(design, 85, 100);
    design = platform::TBounds{design.Left, design.Top, scaled.Width, scaled.Height};
  }
  return design;
}

}  // namespace zoom_reference
