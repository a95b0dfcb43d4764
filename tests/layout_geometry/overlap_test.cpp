// RectsOverlap and LiesBelow: in effect tests of the vertical spans.
#include <gtest/gtest.h>

#include "engine/layout_geometry.h"

namespace engine {
namespace {

using platform::TRect;

TEST(RectsOverlap, ComparesVerticalSpansOnly) {
  const TRect a{0, 100, 100, 200};
  EXPECT_TRUE(RectsOverlap(a, {500, 150, 600, 250}));   // far to the right
  EXPECT_TRUE(RectsOverlap(a, {-900, 50, -800, 120}));  // far to the left
  EXPECT_TRUE(RectsOverlap(a, {0, 199, 100, 300}));
  EXPECT_FALSE(RectsOverlap(a, {0, 200, 100, 300}));  // touching at the bottom
  EXPECT_FALSE(RectsOverlap(a, {0, 0, 100, 100}));    // touching at the top
  EXPECT_FALSE(RectsOverlap(a, {0, 300, 100, 400}));
}

TEST(RectsOverlap, StrictlyInsideCounts) {
  EXPECT_TRUE(RectsOverlap({10, 10, 20, 20}, {0, 0, 100, 100}));
  EXPECT_TRUE(RectsOverlap({0, 0, 100, 100}, {10, 10, 20, 20}));
  // An upside-down rectangle has no span to meet with; lying strictly
  // inside still counts.
  EXPECT_TRUE(RectsOverlap({10, 60, 20, -5}, {0, 0, 100, 100}));
  EXPECT_FALSE(RectsOverlap({-10, 60, 20, -5}, {0, 0, 100, 100}));
}

TEST(LiesBelow, TrueWhereTheRectangleStartsAtTheTitleBottomEdge) {
  const TRect title{0, 0, 800, 50};
  EXPECT_TRUE(LiesBelow(title, {0, 50, 800, 150}));
  EXPECT_TRUE(LiesBelow(title, {700, 50, 900, 60}));
  EXPECT_FALSE(LiesBelow(title, {0, 51, 800, 150}));  // a gap
  EXPECT_FALSE(LiesBelow(title, {0, 49, 800, 150}));  // overlapping
  EXPECT_FALSE(LiesBelow(title, {0, 0, 800, 40}));
}

TEST(LiesBelow, EmptyTitleLiftsNothing) {
  EXPECT_FALSE(LiesBelow({}, {0, 0, 10, 10}));
  EXPECT_FALSE(LiesBelow({0, 0, 0, 50}, {0, 50, 10, 60}));
  EXPECT_FALSE(LiesBelow({0, 50, 800, 50}, {0, 50, 10, 60}));
}

}  // namespace
}  // namespace engine
