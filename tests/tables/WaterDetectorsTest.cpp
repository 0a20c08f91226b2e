#include "tables/WaterDetectors.h"

#include <gtest/gtest.h>

namespace saltmark {
namespace {

struct WindowCase {
  float a, b, c, d, e;
  bool high, low;
};

class WaterDetectorTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(WaterDetectorTest, FindsTurnAtMiddleSample) {
  const WindowCase& w = GetParam();
  WaterEventCounter counter;
  EXPECT_EQ(IsHighWater5(w.a, w.b, w.c, w.d, w.e, counter), w.high);
  EXPECT_EQ(IsLowWater5(w.a, w.b, w.c, w.d, w.e, counter), w.low);
  EXPECT_EQ(counter.count(), (w.high ? 1 : 0) + (w.low ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WaterDetectorTest,
    ::testing::Values(WindowCase{1, 2, 3, 2, 1, true, false},   // a plain top
                      WindowCase{1, 3, 3, 2, 1, true, false},   // equal tops: the later one
                      WindowCase{1, 2, 3, 3, 2, false, false},  // equal tops: not the earlier one
                      WindowCase{2, 2, 3, 2, 2, true, false},   // level before and after
                      WindowCase{1, 2, 3, 2, 3, false, false},  // rises again at once
                      WindowCase{3, 2, 1, 2, 3, false, true},   // a plain bottom
                      WindowCase{3, 1, 1, 2, 3, false, true},   // equal bottoms: the later one
                      WindowCase{3, 2, 1, 1, 2, false, false},  // equal bottoms: not the earlier one
                      WindowCase{2, 2, 2, 2, 2, false, false},  // slack water
                      WindowCase{1, 2, 3, 4, 5, false, false},  // still rising
                      WindowCase{-0.5f, -0.2f, -0.1f, -0.3f, -0.4f, true, false}));

TEST(WaterEventCounter, CountsEveryEventUntilReset) {
  WaterEventCounter counter;
  const float series[] = {1, 2, 3, 2, 1, 0, 1, 2, 3, 2, 1};
  int highs = 0, lows = 0;
  for (int i = 4; i < 11; ++i) {
    const float* w = &series[i - 4];
    highs += IsHighWater5(w[0], w[1], w[2], w[3], w[4], counter);
    lows += IsLowWater5(w[0], w[1], w[2], w[3], w[4], counter);
  }
  EXPECT_EQ(highs, 2);
  EXPECT_EQ(lows, 1);
  EXPECT_EQ(counter.count(), 3);
  counter.reset();
  EXPECT_EQ(counter.count(), 0);
}

}  // namespace
}  // namespace saltmark
