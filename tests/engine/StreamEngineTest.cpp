#include "engine/StreamEngine.h"

#include <gtest/gtest.h>

#include "engine/EngineFixtures.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

StreamRecord station(std::int16_t direction, std::int16_t spring, std::int16_t neap, std::int16_t units = 0) {
  StreamRecord r;
  r.name = "Test stream";
  r.speedUnits = units;
  r.direction.fill(direction);
  r.springRate.fill(spring);
  r.neapRate.fill(neap);
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

TEST_F(StreamEngineTest, ComponentsToRateDirection) {
  EXPECT_EQ(ComponentsToRateDirection(1, 0).direction, 90);
  EXPECT_EQ(ComponentsToRateDirection(0, -2).direction, 180);
  EXPECT_EQ(ComponentsToRateDirection(-1, 0).direction, 270);
  EXPECT_EQ(ComponentsToRateDirection(0, 0).direction, 0);
  EXPECT_EQ(ComponentsToRateDirection(-0.0001, 1).direction, 360);  // rounds up to a whole turn
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

TEST_F(StreamEngineTest, AtHighWaterTheHighWaterEntryStandsAlone) {
  StreamRecord r = station(0, 0, 0);
  r.direction[6] = 45;
  r.springRate[6] = 200;
  r.neapRate[6] = 200;
  ASSERT_TRUE(streamAt(r, t0));
  const auto atHighWater = streamAt(r, *streams.previousHighWater());
  ASSERT_TRUE(atHighWater);
  EXPECT_NEAR(atHighWater->rate, 2, 1e-6);
  EXPECT_EQ(atHighWater->direction, 45);
}

TEST_F(StreamEngineTest, OppositeStationsCancel) {
  const auto a = streams.StreamAtInstant(station(90, 120, 80), 50, 0, t0, loader, platform);
  const auto b = streams.StreamAtInstant(station(270, 120, 80), 50, 0, t0, loader, platform);
  ASSERT_TRUE(a && b);
  EXPECT_NEAR(ComponentsToRateDirection(a->east + b->east, a->north + b->north).rate, 0, 1e-6);
}

// Where one high water of the day is only a stand, high waters lie a day
// apart: at a diurnal port a K1 period (the engine moves K1 at 15.00 degrees
// an hour: 1,440 minutes) on.
TEST_F(StreamEngineTest, DiurnalPortsFindTheirHighWatersADayApart) {
  engine.setPort(test::portWith({.meanLevel = 2, .k1 = 1, .k1Phase = 100}));
  const StreamRecord r = station(45, 100, 50);
  for (int day = 0; day < 3; ++day) {
    const DateTime t = t0.addMinutes(day * 1440.0 + 300);
    ASSERT_TRUE(streamAt(r, t)) << day;
    const auto interval = minutesBetween(*streams.previousHighWater(), *streams.nextHighWater());
    EXPECT_NEAR(interval, 1440, 10) << day;
    EXPECT_GT(interval, 780);
  }
  EXPECT_TRUE(platform.messages.empty());
}

// Where O1 outweighs K1 the two beat: once a fortnight the day's tide slows
// and its high waters lie further apart than two semidiurnal cycles (up to
// about 2,200 minutes, as at some Gulf ports). Such instants fail with the
// message; every other instant gets a pair around it.
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
  ASSERT_EQ(platform.messages.size(), static_cast<std::size_t>(failures));
  for (const auto& message : platform.messages) EXPECT_EQ(message.text, kNoHighTidesMessage);
}

TEST_F(StreamEngineTest, NoHighWaterOrNoReferencePortFails) {
  engine.setPort(test::portWith({.meanLevel = 2}));  // a flat sea
  EXPECT_FALSE(streamAt(station(0, 100, 100), t0));
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_EQ(platform.messages[0].text, kNoHighTidesMessage);

  StreamEngine::ReferencePortLoader failing = [](int) { return false; };
  EXPECT_FALSE(streams.StreamAtInstant(station(0, 100, 100), 100, 0, t0, failing, platform));
}

}  // namespace
}  // namespace saltmark
