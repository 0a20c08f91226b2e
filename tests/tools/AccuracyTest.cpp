// High and low waters as the tables find them, and the one-to-one pairing
// that counts the events either curve has and the other lacks.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Accuracy.h"

namespace saltmark::tcd {
namespace {

TEST(Accuracy, EventsLeftWithoutAPartnerOnEitherSide) {
  // Three days of a 12.42-hour tide every 6 minutes: highs at 12.42 h and
  // every period after it (5 of them), lows half a period later (6).
  constexpr double kStep = 0.1;
  std::vector<double> full;
  for (int i = 0; i <= 720; ++i) full.push_back(std::cos(2 * std::numbers::pi * i * kStep / 12.42));
  // 9.3 h is in mid-rise, over 3 hours from the nearest high and low: a dip
  // there makes a spurious high and low water.
  std::vector<double> dipped = full;
  dipped[94] = dipped[93] - 0.05;
  dipped[95] = dipped[93] - 0.10;
  const std::vector<double> flat(full.size(), 0.0);

  const struct {
    const char* what;
    const std::vector<double>* saltmark;
    int unpairedFull, unpairedSaltmark;
  } cases[] = {{"the same curve", &full, 0, 0}, {"a dip in mid-rise", &dipped, 0, 2}, {"a flat sea", &flat, 11, 0}};
  const auto fullEvents = FindTideEvents(full, kStep);
  for (const auto& c : cases) {
    const UnpairedEvents u = PairEvents(fullEvents, FindTableEvents(*c.saltmark, kStep));
    EXPECT_EQ(u.full, c.unpairedFull) << c.what;
    EXPECT_EQ(u.saltmark, c.unpairedSaltmark) << c.what;
  }
}

TEST(Accuracy, TableEventsLieAtTheMiddleSample) {
  // The five-sample window a..e reports its event at c, two samples back.
  const std::vector<double> heights = {0, 1, 2, 3, 2, 1, 0, 1, 2};
  const auto events = FindTableEvents(heights, 0.5);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_TRUE(events[0].high);
  EXPECT_DOUBLE_EQ(events[0].hours, 1.5);
  EXPECT_FALSE(events[1].high);
  EXPECT_DOUBLE_EQ(events[1].hours, 3.0);
}

}  // namespace
}  // namespace saltmark::tcd
