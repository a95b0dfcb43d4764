#pragma once
// A border: sides (1 bottom, 2 top, 4 right, 8 left, as BORDERSTYLE holds
// them), pen width, colour ($00BBGGRR) and pen style index (0 solid, 1 dash,
// 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 clear, 6 inside frame).
#include <cstdint>

namespace designer {

struct TBorderRecord {
  int32_t Sides = 0;
  int32_t Width = 0;
  int32_t Color = 0;
  int32_t LineStyle = 0;
  friend bool operator==(const TBorderRecord&, const TBorderRecord&) = default;
};

inline constexpr int32_t kSideBottom = 1, kSideTop = 2, kSideRight = 4, kSideLeft = 8;

}  // namespace designer
