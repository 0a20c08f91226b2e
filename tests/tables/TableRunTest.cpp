// The pieces of a table run: its step count, the high and low water tests on
// five samples, the progress bar's edge, and the outcome of a run that cannot go on.
#include <gtest/gtest.h>

#include "common/RuntimeError.h"
#include "platform/ScriptedPlatform.h"
#include "tables/TableJob.h"
#include "tables/TablePeriod.h"
#include "tables/WaterDetectors.h"

namespace saltmark {
namespace {

TEST(TablePeriod, StepCounts) {
  const DateTime noon = DateTime::fromCivil(2026, 12, 5, 12, 0);
  const struct {
    int minutes;      // from noon to the end
    double interval;  // 0 for the six-minute listings
    std::int64_t steps;
  } cases[] = {
      {1440, 30, 48},  {1440, 7, 206},                              // 205.7 rounds up
      {90, 60, 2},     {150, 60, 2},   {210, 60, 4}, {-90, 60, -2},  // halves to even
      {1440, 0, 240},  {59, 0, 0},     {61, 0, 10},  {-1, 0, -10},   // hour boundaries crossed
  };
  for (const auto& c : cases) {
    const DateTime end = noon.addMinutes(c.minutes);
    const std::int64_t steps = c.interval > 0 ? IntervalStepCount(noon, end, c.interval) : SixMinuteStepCount(noon, end);
    EXPECT_EQ(steps, c.steps) << c.minutes << " by " << c.interval;
  }
  // Hours before the date-time zero (30 December 1899) are counted the same way.
  EXPECT_EQ(SixMinuteStepCount(DateTime::fromCivil(1899, 12, 29, 22, 30), DateTime::fromCivil(1899, 12, 30, 0, 30)), 20);
}

TEST(WaterDetectors, FindTheTurnAtTheMiddleSampleAndCountIt) {
  const struct {
    const char* what;
    float a, b, c, d, e;
    bool high, low;
  } cases[] = {
      {"a plain top", 1, 2, 3, 2, 1, true, false},       {"equal tops: the later one", 1, 3, 3, 2, 1, true, false},
      {"equal tops: not the earlier one", 1, 2, 3, 3, 2, false, false},
      {"level before and after", 2, 2, 3, 2, 2, true, false}, {"rises again at once", 1, 2, 3, 2, 3, false, false},
      {"a plain bottom", 3, 2, 1, 2, 3, false, true},    {"equal bottoms: the later one", 3, 1, 1, 2, 3, false, true},
      {"equal bottoms: not the earlier one", 3, 2, 1, 1, 2, false, false},
      {"slack water", 2, 2, 2, 2, 2, false, false},      {"still rising", 1, 2, 3, 4, 5, false, false},
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

TEST(ProgressBarEdge, IsTheStepsShareOfTheWidthOrNoneWithoutSteps) {
  EXPECT_EQ(ProgressBarEdge(200, 60, 240), 50);
  EXPECT_EQ(ProgressBarEdge(200, 3, 0), 0);
}

TEST(TableJob, AComputationThatCannotGoOnIsReportedAsAFailure) {
  ScriptedPlatform platform;
  EXPECT_EQ(RunTableJob([] { return JobOutcome::Completed; }, platform), JobOutcome::Completed);
  EXPECT_EQ(RunTableJob([] { return JobOutcome::Cancelled; }, platform), JobOutcome::Cancelled);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(RunTableJob([]() -> JobOutcome { throw RuntimeError(errc::kOverflow); }, platform), JobOutcome::Failed);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(platform.messages[0].text, "The table could not be completed: Overflow.");
}

}  // namespace
}  // namespace saltmark
