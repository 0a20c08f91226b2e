#include "tables/WaterDetectors.h"

#include <gtest/gtest.h>

namespace saltmark {
namespace {

TEST(WaterDetectors, FindTheTurnAtTheMiddleSampleAndCountIt) {
  const struct {
    const char* what;
    float a, b, c, d, e;
    bool high, low;
  } cases[] = {
      {"a plain top", 1, 2, 3, 2, 1, true, false},
      {"equal tops: the later one", 1, 3, 3, 2, 1, true, false},
      {"equal tops: not the earlier one", 1, 2, 3, 3, 2, false, false},
      {"level before and after", 2, 2, 3, 2, 2, true, false},
      {"rises again at once", 1, 2, 3, 2, 3, false, false},
      {"a plain bottom", 3, 2, 1, 2, 3, false, true},
      {"equal bottoms: the later one", 3, 1, 1, 2, 3, false, true},
      {"equal bottoms: not the earlier one", 3, 2, 1, 1, 2, false, false},
      {"slack water", 2, 2, 2, 2, 2, false, false},
      {"still rising", 1, 2, 3, 4, 5, false, false},
      {"below the datum", -0.5f, -0.2f, -0.1f, -0.3f, -0.4f, true, false},
  };
  WaterEventCounter counter;
  int events = 0;
  for (const auto& w : cases) {
    EXPECT_EQ(IsHighWater5(w.a, w.b, w.c, w.d, w.e, counter), w.high) << w.what;
    EXPECT_EQ(IsLowWater5(w.a, w.b, w.c, w.d, w.e, counter), w.low) << w.what;
    events += (w.high ? 1 : 0) + (w.low ? 1 : 0);
    EXPECT_EQ(counter.count(), events) << w.what;
  }
  counter.reset();
  EXPECT_EQ(counter.count(), 0);
}

}  // namespace
}  // namespace saltmark
