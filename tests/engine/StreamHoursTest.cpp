// Where an instant falls between two high waters picks the station's hourly
// entries, and the day's range picks between its spring and neap rates.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/EngineFixtures.h"
#include "engine/StreamEngine.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

struct StreamAt {
  explicit StreamAt(const test::Harmonics& port) { engine.setPort(test::portWith(port)); }

  float rate(const StreamRecord& station, DateTime t) {
    const auto c = streams.StreamAtInstant(station, 100, 0, t, loader, platform);
    EXPECT_TRUE(c);
    return c ? ComponentsToRateDirection(c->east, c->north).rate : -1;
  }

  Settings settings;
  TideEngine engine{settings};
  StreamEngine streams{engine};
  ScriptedPlatform platform;
  StreamEngine::ReferencePortLoader loader = [](int) { return true; };
};

// Entry j is hour j - 6 from high water; the cycle is cut into thirteen equal
// parts, and after entry 12 the interpolation runs on into entry 0.
TEST(StreamHours, TheCyclePositionPicksAndBlendsTwoEntries) {
  const std::int16_t rates[kStreamHours] = {110, 140, 190, 230, 260, 280, 300, 270, 220, 160, 90, 40, 20};
  StreamRecord station;
  station.direction.fill(90);
  for (int j = 0; j < kStreamHours; ++j) station.springRate[j] = station.neapRate[j] = rates[j];

  StreamAt at({.meanLevel = 3, .m2 = 1.5, .m2Phase = 120});
  at.rate(station, DateTime::fromCivil(2026, 6, 10, 8, 0));
  const DateTime previous = *at.streams.previousHighWater();
  const std::int64_t cycle = minutesBetween(previous, *at.streams.nextHighWater());
  struct Case {
    double h;  // thirteenths of the cycle from the previous high water
    int j0, j1;
  };
  const Case cases[] = {{0, 6, 7}, {2.75, 8, 9}, {6.5, 12, 0}, {9.25, 2, 3}, {12.9, 5, 6}};
  for (const Case& c : cases) {
    const std::int64_t a = std::llround(c.h * cycle / 13);
    const double h = 13.0 * a / cycle;
    const double f = h - static_cast<int>(c.h);
    const double expected = ((1 - f) * rates[c.j0] + f * rates[c.j1]) / 100;
    EXPECT_NEAR(at.rate(station, previous.addMinutes(a)), expected, 1e-5) << c.h;
  }
}

// F is 0 at mean neaps and 1 at mean springs: with springs 3 knots and neaps
// 1, new moon gives about 3 and the first quarter about 1.
TEST(StreamHours, SpringsAndNeapsFollowTheMoon) {
  StreamRecord station;
  station.direction.fill(0);
  station.springRate.fill(300);
  station.neapRate.fill(100);
  struct Case {
    DateTime instant;
    float low, high;
  };
  const Case cases[] = {
      {DateTime::fromCivil(2026, 1, 18, 20, 0), 2.4F, 3.6F},  // new moon 19:52
      {DateTime::fromCivil(2026, 1, 26, 5, 0), 0.4F, 1.6F},   // first quarter 04:47
  };
  for (const Case& c : cases) {
    StreamAt at({.meanLevel = 3, .m2 = 1.5, .s2 = 0.5});
    const float rate = at.rate(station, c.instant);
    EXPECT_GT(rate, c.low);
    EXPECT_LT(rate, c.high);
  }
}

}  // namespace
}  // namespace saltmark
