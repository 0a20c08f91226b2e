#include "tables/TablePeriod.h"

#include <gtest/gtest.h>

namespace saltmark {
namespace {

TEST(TablePeriod, StepCounts) {
  const DateTime noon = DateTime::fromCivil(2026, 12, 5, 12, 0);
  struct Case {
    int minutes;      // from noon to the end
    double interval;  // 0 for the six-minute listings
    std::int64_t steps;
  };
  const Case cases[] = {
      {1440, 30, 48},  {1440, 7, 206},  // 205.7 rounds up
      {90, 60, 2},     {150, 60, 2},    {210, 60, 4},  // halves to even
      {-90, 60, -2},   {1440, 0, 240},  {59, 0, 0},   {61, 0, 10},  // hour boundaries crossed
      {-1, 0, -10},
  };
  for (const Case& c : cases) {
    const DateTime end = noon.addMinutes(c.minutes);
    const std::int64_t steps = c.interval > 0 ? IntervalStepCount(noon, end, c.interval) : SixMinuteStepCount(noon, end);
    EXPECT_EQ(steps, c.steps) << c.minutes << " by " << c.interval;
  }
  // Hours before the date-time zero (30 December 1899) are counted the same way.
  EXPECT_EQ(SixMinuteStepCount(DateTime::fromCivil(1899, 12, 29, 22, 30), DateTime::fromCivil(1899, 12, 30, 0, 30)), 20);
}

}  // namespace
}  // namespace saltmark
