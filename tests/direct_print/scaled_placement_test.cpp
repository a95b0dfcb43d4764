// Where a picture lands on the printable page.
#include <gtest/gtest.h>

#include "engine/print_bitmap_scaled.h"

namespace engine {
namespace {

// A 400 x 300 picture on a printable page of 4800 x 6600 pixels.
ScaledPlacement Place(int32_t scale, int32_t position) {
  return ComputeScaledPlacement(400, 300, 4800, 6600, scale, position);
}

TEST(ScaledPlacement, FullScaleFitsTheWidthAndCentres) {
  EXPECT_EQ(Place(100, 0), (ScaledPlacement{0, 1500, 4800, 3600}));
}

TEST(ScaledPlacement, HalfScaleUsesThePageHeightBranch) {
  EXPECT_EQ(Place(50, 0), (ScaledPlacement{200, 1650, 4400, 3300}));
}

TEST(ScaledPlacement, DoubleScaleRunsOffThePage) {
  EXPECT_EQ(Place(200, 0), (ScaledPlacement{-2400, -300, 9600, 7200}));
}

TEST(ScaledPlacement, OtherPositionsStartAtTheTopLeftCorner) {
  EXPECT_EQ(Place(100, 1), (ScaledPlacement{0, 0, 4800, 3600}));
  EXPECT_EQ(Place(50, -7), (ScaledPlacement{0, 0, 4400, 3300}));
}

TEST(ScaledPlacement, ZeroAndNegativeScalesGiveAnEmptyPicture) {
  EXPECT_EQ(Place(0, 1), (ScaledPlacement{0, 0, 0, 0}));
  EXPECT_EQ(Place(-50, 1), (ScaledPlacement{0, 0, 0, 0}));
  EXPECT_EQ(Place(-50, 0), (ScaledPlacement{2400, 3300, 0, 0}));
}

TEST(ScaledPlacement, TallPictureFillsTheHeight) {
  // 100 x 1000 on 4800 x 6600: width at full height is 660 < 4800.
  EXPECT_EQ(ComputeScaledPlacement(100, 1000, 4800, 6600, 100, 0),
            (ScaledPlacement{2070, 0, 660, 6600}));
}

TEST(ScaledPlacement, HalvesRoundToEven) {
  // 3 x 2 on 5 x 5: MulDiv(3, 5, 2) = 8 (7.5 away from zero) >= 5, so the
  // width branch: w = 5, h = MulDiv(2, 5, 3) = 3; x = 0, y = Round(1.0) = 1.
  EXPECT_EQ(ComputeScaledPlacement(3, 2, 5, 5, 100, 0), (ScaledPlacement{0, 1, 5, 3}));
  // 1 x 1 on 5 x 4 at 50 %: w = Round(4 x 0.5) = 2 < 5, h = 2,
  // x = Round(2.5 - 1) = 2 (1.5 to even), y = Round(2 - 1) = 1.
  EXPECT_EQ(ComputeScaledPlacement(1, 1, 5, 4, 50, 0), (ScaledPlacement{2, 1, 2, 2}));
}

}  // namespace
}  // namespace engine
