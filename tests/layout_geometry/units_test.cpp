// Inches to 1/100 inch, and moving placed items without wrapping around.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/layout_geometry.h"
#include "engine/page_drawing.h"

namespace engine {
namespace {

using platform::TPoint;
using platform::TRect;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(InchesToUnits, TruncatesGenuineFractions) {
  EXPECT_EQ(InchesToUnits(0.5), 50);
  EXPECT_EQ(InchesToUnits(8.19999), 819);
  EXPECT_EQ(InchesToUnits(1.005), 100);
  EXPECT_EQ(InchesToUnits(0.999), 99);
  EXPECT_EQ(InchesToUnits(-0.255), -25);
}

TEST(InchesToUnits, ProductsAHairOffAWholeUnitAreThatUnit) {
  EXPECT_EQ(InchesToUnits(8.2), 820);
  EXPECT_EQ(InchesToUnits(0.29), 29);
  EXPECT_EQ(InchesToUnits(0.57), 57);
  EXPECT_EQ(InchesToUnits(-8.2), -820);
}

TEST(InchesToUnits, OutOfRangeAndNoNumber) {
  EXPECT_EQ(InchesToUnits(1e12), kMax);
  EXPECT_EQ(InchesToUnits(-1e12), kMin);
  EXPECT_EQ(InchesToUnits(std::nan("")), 0);
  EXPECT_EQ(InchesToUnits(std::numeric_limits<double>::infinity()), 0);
}

TEST(PlacedGeometry, OffsetPlacedItemLiftsAndTakesTheNewCorner) {
  TPlacedItem item;
  item.rect = {10, 20, 30, 40};
  OffsetPlacedItem(item, 5, {100, 200});
  EXPECT_EQ(item.rect, (TRect{110, 215, 130, 235}));
  EXPECT_EQ(item.origin, (TPoint{110, 215}));
}

TEST(PlacedGeometry, SumsSaturateInsteadOfWrapping) {
  TPlacedItem item;
  item.rect = {kMax - 10, 0, kMax, 10};
  OffsetPlacedItem(item, kMin, {100, 0});
  EXPECT_EQ(item.rect, (TRect{kMax, kMax, kMax, kMax}));
  TRect rect{kMin + 5, 0, 0, 0};
  OffsetRectByPoint({-10, -10}, rect);
  EXPECT_EQ(rect, (TRect{kMin, -10, -10, -10}));
}

}  // namespace
}  // namespace engine
