// A station's stream between two high waters of its reference port: which
// hourly entries an instant picks, spring against neap rates, and the search
// for the pair of high waters.
#include "engine/StreamEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "engine/EngineFixtures.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

StreamRecord station(std::int16_t direction, std::int16_t spring, std::int16_t neap, std::int16_t units = 0) {
  StreamRecord r{"Test stream", "", "", 0, units, {}, {}, {}};
  r.direction.fill(direction), r.springRate.fill(spring), r.neapRate.fill(neap);
  return r;
}

class StreamEngineTest : public ::testing::Test {
 protected:
  StreamEngineTest() {
    engine.setPort(test::portWith({.meanLevel = 3, .m2 = 1.5, .m2Phase = 120, .s2 = 0.5, .s2Phase = 160}));
  }
  std::optional<RateDirection> streamAt(const StreamRecord& r, DateTime t, int units = 0, float weight = 100) {
    auto c = streams.StreamAtInstant(r, weight, units, t, loader, platform);
    if (!c) return std::nullopt;
    return ComponentsToRateDirection(c->east, c->north);
  }

  Settings settings;
  TideEngine engine{settings};
  StreamEngine streams{engine};
  ScriptedPlatform platform;
  int loads = 0;
  StreamEngine::ReferencePortLoader loader = [this](int) {
    ++loads;
    return true;
  };
  DateTime t0 = DateTime::fromCivil(2026, 6, 10, 8, 0);
};
using StreamHours = StreamEngineTest;

// Entry j is hour j - 6 from high water; the cycle is cut into thirteen equal
// parts, and after entry 12 the interpolation runs on into entry 0.
TEST_F(StreamHours, TheCyclePositionPicksAndBlendsTwoEntries) {
  const std::int16_t rates[kStreamHours] = {110, 140, 190, 230, 260, 280, 300, 270, 220, 160, 90, 40, 20};
  StreamRecord r = station(90, 0, 0);
  for (int j = 0; j < kStreamHours; ++j) r.springRate[j] = r.neapRate[j] = rates[j];
  ASSERT_TRUE(streamAt(r, t0));
  const DateTime previous = *streams.previousHighWater();
  const std::int64_t cycle = minutesBetween(previous, *streams.nextHighWater());
  // h: thirteenths of the cycle from the previous high water; the two entries blended
  const struct { double h; int j0, j1; } cases[] = {{0, 6, 7}, {2.75, 8, 9}, {6.5, 12, 0}, {9.25, 2, 3}, {12.9, 5, 6}};
  for (const auto& c : cases) {
    const std::int64_t a = std::llround(c.h * cycle / 13);
    const double f = 13.0 * a / cycle - static_cast<int>(c.h);
    const double expected = ((1 - f) * rates[c.j0] + f * rates[c.j1]) / 100;
    const auto got = streamAt(r, previous.addMinutes(a));
    ASSERT_TRUE(got) << c.h;
    EXPECT_NEAR(got->rate, expected, 1e-5) << c.h;
    EXPECT_EQ(got->direction, 90) << c.h;
  }
}

// F is 0 at mean neaps and 1 at mean springs: with springs 3 knots and neaps
// 1, new moon gives about 3 and the first quarter about 1.
TEST_F(StreamHours, SpringsAndNeapsFollowTheMoon) {
  const struct { DateTime instant; float low, high; } cases[] = {
      {DateTime::fromCivil(2026, 1, 18, 20, 0), 2.4F, 3.6F},  // new moon 19:52
      {DateTime::fromCivil(2026, 1, 26, 5, 0), 0.4F, 1.6F},   // first quarter 04:47
  };
  for (const auto& c : cases) {
    engine.setPort(test::portWith({.meanLevel = 3, .m2 = 1.5, .s2 = 0.5}));
    streams.resetHighWaterPair();
    const auto got = streamAt(station(0, 300, 100), c.instant);
    ASSERT_TRUE(got);
    EXPECT_GT(got->rate, c.low);
    EXPECT_LT(got->rate, c.high);
  }
}

TEST_F(StreamEngineTest, ComponentsToRateDirection) {
  // (east, north) to the direction; just west of north rounds up to a whole turn.
  const std::tuple<float, float, int> cases[] = {{1, 0, 90}, {0, -2, 180}, {-1, 0, 270}, {0, 0, 0}, {-0.0001F, 1, 360}};
  for (const auto& [east, north, direction] : cases)
    EXPECT_EQ(ComponentsToRateDirection(east, north).direction, direction) << east << " " << north;
  EXPECT_FLOAT_EQ(ComponentsToRateDirection(3, 4).rate, 5);
}

TEST_F(StreamEngineTest, SteadyStationGivesItsRateInTheChosenUnit) {
  const StreamRecord knots = station(90, 150, 150);
  const auto k = streamAt(knots, t0);
  ASSERT_TRUE(k);
  EXPECT_NEAR(k->rate, 1.5, 1e-6);
  EXPECT_EQ(k->direction, 90);
  EXPECT_NEAR(streamAt(knots, t0, 2)->rate, 1.5 * 1.852, 1e-5);
  // Entered in km/h, shown in knots.
  EXPECT_NEAR(streamAt(station(0, 185, 185, 2), t0)->rate, 1.85 / 1.852, 1e-5);
  EXPECT_NEAR(streamAt(knots, t0, 0, 50)->rate, 0.75, 1e-6);
  // Opposite stations cancel.
  const auto a = streams.StreamAtInstant(station(90, 120, 80), 50, 0, t0, loader, platform);
  const auto b = streams.StreamAtInstant(station(270, 120, 80), 50, 0, t0, loader, platform);
  ASSERT_TRUE(a && b);
  EXPECT_NEAR(ComponentsToRateDirection(a->east + b->east, a->north + b->north).rate, 0, 1e-6);
}

TEST_F(StreamEngineTest, PairIsFoundOnceAndReusedInsideTheCycle) {
  const StreamRecord r = station(45, 100, 50);
  ASSERT_TRUE(streamAt(r, t0));
  EXPECT_EQ(loads, 1);
  const DateTime previous = *streams.previousHighWater(), next = *streams.nextHighWater();
  EXPECT_LE(previous, t0);
  EXPECT_GT(next, t0);
  EXPECT_NEAR(minutesBetween(previous, next), 12.42 * 60, 20);
  ASSERT_TRUE(streamAt(r, next.addMinutes(-1)));
  EXPECT_EQ(loads, 1);
  ASSERT_TRUE(streamAt(r, next.addMinutes(1)));
  EXPECT_EQ(loads, 2);
}

// Where one high water of the day is only a stand, high waters lie a day
// apart: at a diurnal port a K1 period (15.00 degrees an hour: 1,440 minutes).
TEST_F(StreamEngineTest, DiurnalPortsFindTheirHighWatersADayApart) {
  engine.setPort(test::portWith({.meanLevel = 2, .k1 = 1, .k1Phase = 100}));
  const StreamRecord r = station(45, 100, 50);
  for (int day = 0; day < 3; ++day) {
    ASSERT_TRUE(streamAt(r, t0.addMinutes(day * 1440.0 + 300))) << day;
    const auto interval = minutesBetween(*streams.previousHighWater(), *streams.nextHighWater());
    EXPECT_NEAR(interval, 1440, 10) << day;
  }
  EXPECT_TRUE(platform.messages.empty());
}

// Where O1 outweighs K1 the two beat: once a fortnight high waters lie further
// apart than the search reaches. Such instants fail with the message; every
// other instant gets a pair around it. A flat sea, or a reference port that
// cannot be read, fails too.
TEST_F(StreamEngineTest, HighWatersBeyondTheSearchAreSaidSo) {
  engine.setPort(test::portWith({.meanLevel = 2, .k1 = 1, .k1Phase = 100, .o1 = 1.6, .o1Phase = 300}));
  const StreamRecord r = station(45, 100, 50);
  int failures = 0;
  for (int hour = 0; hour < 30 * 24; hour += 3) {
    const DateTime t = t0.addMinutes(60.0 * hour);
    streams.resetHighWaterPair();
    if (!streamAt(r, t)) {
      ++failures;
      continue;
    }
    EXPECT_LE(*streams.previousHighWater(), t);
    EXPECT_GT(*streams.nextHighWater(), t);
  }
  EXPECT_GT(failures, 0);
  EXPECT_LT(failures, 30);  // a few hours around each slack of the day's tide
  engine.setPort(test::portWith({.meanLevel = 2}));
  streams.resetHighWaterPair();
  EXPECT_FALSE(streamAt(r, t0));
  ASSERT_EQ(platform.messages.size(), static_cast<std::size_t>(failures) + 1);
  for (const auto& message : platform.messages) EXPECT_EQ(message.text, kNoHighTidesMessage);
  StreamEngine::ReferencePortLoader failing = [](int) { return false; };
  EXPECT_FALSE(streams.StreamAtInstant(r, 100, 0, t0, failing, platform));
}

}  // namespace
}  // namespace saltmark
