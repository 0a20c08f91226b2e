#include "engine/HeightComputation.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include <cmath>

#include "common/RuntimeError.h"
#include "common/VbNumbers.h"
#include "engine/EngineFixtures.h"
#include "engine/TideEngine.h"
#include "tables/WaterDetectors.h"

namespace saltmark {
namespace {

using test::Harmonics;
using test::portWith;

float heightAt(const LocationRecord& port, DateTime instant, bool metric = true) {
  Settings settings;
  settings.metricUnits = metric ? kTrue : kFalse;
  TideEngine engine(settings);
  engine.setPort(port);
  engine.PredictHeight(instant);
  return engine.tideHeight();
}

TEST(HeightComputation, SingleO1PortAtTheEpochByHand) {
  // At 1 Jan 1900 00:00 the O1 argument is h - 2s - 90 degrees = -363.8601
  // degrees; the group has one row, so the height is H cos(g - V).
  const LocationRecord port = portWith({.meanLevel = 1.5, .o1 = 2, .o1Phase = 30});
  const double V = (280.1895 - 2 * 277.0248 - 90) * kDegreesToRadians;
  const double expected = 1.5 + 2 * std::cos(30 * kDegreesToRadians - V);
  EXPECT_NEAR(heightAt(port, DateTime::fromCivil(1900, 1, 1)), expected, 2e-6);
}

TEST(HeightComputation, FeetAreMetresTimesTheFactorAndTheOffsetComesAfter) {
  const LocationRecord port = portWith({.meanLevel = 1});
  EXPECT_EQ(heightAt(port, DateTime::fromCivil(2026, 5, 1)), 1.0F);
  EXPECT_EQ(heightAt(port, DateTime::fromCivil(2026, 5, 1), false), Single(kFeetPerMetre));

  Settings feet;
  feet.metricUnits = kFalse;
  TideEngine engine(feet);
  engine.setPort(port);
  engine.heightOffset = 0.5F;
  engine.PredictHeight(DateTime::fromCivil(2026, 5, 1));
  EXPECT_EQ(engine.tideHeightWithOffset(), Single(0.5F + Single(kFeetPerMetre)));
}

TEST(HeightComputation, BlankAmplitudesGiveTheMeanLevelWithTheMonthsCorrection) {
  LocationRecord port = portWith({.meanLevel = 2});
  port.monthlyLevel[6] = "0.25";
  EXPECT_EQ(heightAt(port, DateTime::fromCivil(2026, 7, 10, 13)), 2.25F);
  EXPECT_EQ(heightAt(port, DateTime::fromCivil(2026, 8, 10, 13)), 2.0F);
  port.harmonic = {};  // every text blank reads as 0
  EXPECT_EQ(heightAt(port, DateTime::fromCivil(2026, 7, 10, 13)), 0.25F);
}

// Ports of one constituent each: the true period of its Doodson argument,
// and the speed at which the engine moves it by an offset of hours. K1's
// group holds P1, whose beat with K1 bends the group's phase over weeks: its
// period (0) is not checked.
struct SingleConstituent {
  const char* name;
  Harmonics harmonics;
  double periodHours;
  double offsetDegreesPerHour;
};
const SingleConstituent kSingleConstituents[] = {
    {"O1", {.o1 = 1, .o1Phase = 40}, 25.8193, 13.83},
    {"K1", {.k1 = 1, .k1Phase = 40}, 0, 15.00},
    {"M2", {.m2 = 1, .m2Phase = 40}, 12.4206, 28.87},
    {"S2", {.s2 = 1, .s2Phase = 40}, 12.0, 29.96},
};

// The time between successive high waters of a port with one constituent
// shows whether its Doodson argument advances at the right speed.
TEST(HeightComputation, SingleConstituentPortsRiseWithTheirOwnPeriod) {
  for (const SingleConstituent& c : kSingleConstituents) {
    if (c.periodHours == 0) continue;
    Settings settings;
    TideEngine engine(settings);
    engine.setPort(portWith(c.harmonics));
    WaterEventCounter events;
    std::vector<DateTime> highs;
    float window[5] = {};
    const DateTime start = DateTime::fromCivil(2026, 3, 1);
    for (int i = 0; i < 30 * 24 * 60; ++i) {
      const DateTime t = start.addMinutes(i);
      engine.PredictHeight(t);
      std::copy(window + 1, window + 5, window);
      window[4] = engine.tideHeight();
      if (i >= 4 && IsHighWater5(window[0], window[1], window[2], window[3], window[4], events))
        highs.push_back(t.addMinutes(-2));
    }
    ASSERT_GE(highs.size(), 20U) << c.name;
    const double hours = minutesBetween(highs.front(), highs.back()) / 60.0 / (highs.size() - 1);
    EXPECT_NEAR(hours, c.periodHours, 0.02) << c.name;
  }
}

// Moved by x hours, a port of one constituent follows A cos(phase - w x), so
// h(x) = h(0) cos(w x) + h(q) sin(w x) with q a quarter turn of w.
TEST(HeightComputation, OffsetsMoveEachConstituentAtItsOwnSpeed) {
  const GroupCorrections g = ComputeGroupFactors(DateTime::fromCivil(2026, 5, 3, 7, 20));
  for (const SingleConstituent& c : kSingleConstituents) {
    const double w = c.offsetDegreesPerHour;
    const PortConstants pc = PreparePortConstants(portWith(c.harmonics), g.monthIndex, g.springNeapDay);
    const CorrectedConstituents corrected = CombineGroupCorrections(pc, g);
    const double h0 = HeightAtOffset(corrected, pc, 0).height;
    const double hq = HeightAtOffset(corrected, pc, static_cast<float>(90 / w)).height;
    for (const float x : {1.5F, -3.25F, 7.0F, 12.5F}) {
      const double wx = w * x * kDegreesToRadians;
      EXPECT_NEAR(HeightAtOffset(corrected, pc, x).height, h0 * std::cos(wx) + hq * std::sin(wx), 2e-5)
          << c.name << " " << x;
    }
  }
}

TEST(HeightComputation, ShallowWaterTermsFollowTheCombinedSemidiurnalAngle) {
  // quarter-diurnal: k R^2 cos(2 theta + phase); sixth-diurnal: k R^3 cos(3 theta + phase)
  const Harmonics plain{.meanLevel = 3, .m2 = 1.2, .m2Phase = 75};
  Harmonics shallow = plain;
  shallow.quarter = 0.05;
  shallow.quarterPhase = 20;
  shallow.sixth = 0.02;
  shallow.sixthPhase = 200;
  Settings settings;
  TideEngine engine(settings);
  for (int hour = 0; hour < 24; hour += 5) {
    const DateTime t = DateTime::fromCivil(2026, 9, 12, hour, 17);
    engine.setPort(portWith(plain));
    engine.PredictHeight(t);
    const float base = engine.tideHeight();
    const double A = engine.corrected().amplitude[group::kM2];
    const double theta = engine.corrected().phase[group::kM2];
    engine.setPort(portWith(shallow));
    engine.PredictHeight(t);
    const double expected = 0.05 * A * A * std::cos(2 * theta + 20 * kDegreesToRadians) +
                            0.02 * A * A * A * std::cos(3 * theta + 200 * kDegreesToRadians);
    EXPECT_NEAR(engine.tideHeight() - base, expected, 2e-6) << hour;
  }
}

TEST(PortConstants, MarkersChooseSpringNeapAndMonthlyTexts) {
  LocationRecord port = portWith({.m2 = 1});
  port.harmonic[0] = "w";
  port.harmonic[2] = "V";
  for (int i = 0; i < 10; ++i) port.springNeapLevel[i] = std::to_string(10 + i);
  for (int i = 0; i < 12; ++i) port.monthlyAmplitude[i] = std::to_string(0.1 * (i + 1));
  struct Case {
    const char* offset;
    int springNeapDay;
    int month;
    float meanLevel;
    float amplitude;
  };
  const Case cases[] = {
      {"0", -3, 2, 15, 0.3F},  // k = 3: level text 5; March's amplitude
      {"2", 7, 3, 17, 0.4F},   // k = 9 becomes 5: level text 7; April's
      {"0", 0, 0, 12, 0.1F},
  };
  for (const Case& c : cases) {
    port.springNeapLevel[0] = c.offset;
    const PortConstants pc = PreparePortConstants(port, c.month, c.springNeapDay);
    EXPECT_EQ(pc.portConstant[0], c.meanLevel) << c.offset << " " << c.springNeapDay;
    EXPECT_EQ(pc.portConstant[2], c.amplitude);
  }
  port.springNeapLevel[0] = "30";  // far outside the table
  EXPECT_THROW(PreparePortConstants(port, 0, 0), RuntimeError);
}

TEST(PortConstants, PhasesAreTurnedIntoRadians) {
  const PortConstants pc = PreparePortConstants(portWith({.m2 = 1, .m2Phase = 180, .quarterPhase = 90}), 0, 0);
  EXPECT_EQ(pc.portConstant[1], Single(180 * kDegreesToRadians));
  EXPECT_EQ(pc.portConstant[9], Single(90 * kDegreesToRadians));
  EXPECT_EQ(pc.portConstant[2], 1.0F);
}

// Runs along the time axis as tables, graphs and searches make them: even
// steps, a step that changes, a turn back, an instant asked twice, a jump
// back into the instants just passed.
std::vector<DateTime> instantsOfMixedRuns() {
  std::vector<DateTime> instants;
  DateTime t = DateTime::fromCivil(2026, 1, 20);
  while (t < DateTime::fromCivil(2026, 3, 10)) {
    for (int i = 0; i < 9; ++i) instants.push_back(t = t.addMinutes(37));
    for (int i = 0; i < 3; ++i) instants.push_back(t = t.addMinutes(-6));
    instants.push_back(t);
    instants.push_back(t.addMinutes(-37));
    for (int i = 0; i < 6; ++i) instants.push_back(t = t.addSeconds(20 + i));
    instants.push_back(t = t.addDays(1));
  }
  return instants;
}

// The engine reads a port's texts once per month and spring-neap day and
// works the group sums of a run out ahead; every height must be the one a
// fresh reading gives.
TEST(TideEngine, CachedConstantsGiveIdenticalHeights) {
  LocationRecord port = portWith({.m2 = 1.1, .m2Phase = 33, .s2 = 0.4, .s2Phase = 71, .k1 = 0.2, .k1Phase = 150,
                                  .o1 = 0.15, .o1Phase = 300, .quarter = 0.03, .quarterPhase = 10});
  port.harmonic[0] = "W";
  port.harmonic[2] = "v";
  port.springNeapLevel = {"1", "", "2.1", "2.2", "2.3", "2.4", "2.5", "2.6", "2.7", "2.8"};
  for (int i = 0; i < 12; ++i) {
    port.monthlyLevel[i] = std::to_string(0.01 * i);
    port.monthlyAmplitude[i] = std::to_string(1 + 0.02 * i);
  }
  const LocationRecord plain = portWith({.meanLevel = 1, .m2 = 0.8, .m2Phase = 200, .s2 = 0.3, .s2Phase = 240});
  Settings settings;
  // Twice over the same instants, the second time after another port (without
  // spring-neap levels) has used them: remembered sums must change nothing.
  for (const bool remember : {false, true}) {
    TideEngine engine(settings);
    if (remember) engine.rememberInstants();
    for (int pass = 0; pass < 2; ++pass) {
      for (const LocationRecord* p : {&plain, static_cast<const LocationRecord*>(&port)}) {
        engine.setPort(*p);
        for (const DateTime t : instantsOfMixedRuns()) {
          engine.PredictHeight(t);
          const GroupCorrections g = ComputeGroupFactors(t);
          const PortConstants pc = PreparePortConstants(*p, g.monthIndex, g.springNeapDay);
          const float fresh = HeightAtOffset(CombineGroupCorrections(pc, g), pc, 0).height;
          ASSERT_EQ(engine.tideHeight(), fresh) << remember << " " << pass << " " << t.serial();
        }
      }
    }
  }
}

// The searches' minute steps rotate the phases' turns instead of taking new
// sines; the heights must be HeightAtOffset's to the last bit of a single.
TEST(HeightComputation, WholeMinuteStepsGiveTheHeightsOfTheOffsets) {
  const LocationRecord port = portWith({.meanLevel = 2, .m2 = 1.1, .m2Phase = 33, .s2 = 0.4, .s2Phase = 71, .k1 = 0.2,
                                        .k1Phase = 150, .o1 = 0.15, .o1Phase = 300, .quarter = 0.05,
                                        .quarterPhase = 10});
  int differing = 0, compared = 0;
  for (DateTime t = DateTime::fromCivil(2026, 1, 1); t < DateTime::fromCivil(2026, 2, 1); t = t.addMinutes(397)) {
    const GroupCorrections g = ComputeGroupFactors(t);
    const PortConstants pc = PreparePortConstants(port, g.monthIndex, g.springNeapDay);
    const CorrectedConstituents c = CombineGroupCorrections(pc, g);
    const PhaseTurns turns = TurnsOfPhases(c);
    for (const int m : {0, 1, -1, 59, -60, 389, -780, 780, kMinutesTurnedAhead, -kMinutesTurnedAhead,
                        kMinutesTurnedAhead + 1, -kMinutesTurnedAhead - 7, 3000}) {
      const OffsetHeight direct = HeightAtOffset(c, pc, Single(m / 60.0));
      const OffsetHeight stepped = HeightAtWholeMinutes(c, pc, turns, m);
      const bool beyondTheTable = m > kMinutesTurnedAhead || m < -kMinutesTurnedAhead;
      if (m == 0 || beyondTheTable) {
        ASSERT_EQ(stepped.height, direct.height) << m;
        ASSERT_EQ(stepped.semidiurnalAmplitude, direct.semidiurnalAmplitude) << m;
      } else {
        ASSERT_LE(std::abs(stepped.height - direct.height), std::abs(direct.height) * 1.2e-7F) << m;
        ASSERT_NEAR(stepped.semidiurnalAmplitude, direct.semidiurnalAmplitude, 1e-14) << m;
        differing += stepped.height != direct.height;
        ++compared;
      }
    }
  }
  // A last-bit difference in the doubles only now and then tips a single.
  EXPECT_LT(differing, compared / 20);
}

// Worked out ahead or not, an instant whose height cannot be had throws at
// its own call and at no other.
TEST(TideEngine, RunsFailAtTheInstantsASingleCallFailsAt) {
  LocationRecord offTheTable = portWith({.m2 = 1.1, .m2Phase = 33, .s2 = 0.4});
  offTheTable.harmonic[0] = "W";
  // An offset that sends the days from 2 on past the start of the table.
  offTheTable.springNeapLevel = {"15", "", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8"};
  const LocationRecord overflowing = portWith({.meanLevel = 3e38, .m2 = 1e38});
  Settings settings;
  for (const LocationRecord* port : {static_cast<const LocationRecord*>(&offTheTable), &overflowing}) {
    TideEngine engine(settings);
    engine.setPort(*port);
    int failures = 0;
    for (DateTime t = DateTime::fromCivil(2026, 1, 1); t < DateTime::fromCivil(2026, 2, 1); t = t.addMinutes(90)) {
      TideEngine fresh(settings);
      fresh.setPort(*port);
      std::optional<float> expected;
      try {
        fresh.PredictHeight(t);
        expected = fresh.tideHeight();
      } catch (const RuntimeError&) {
        ++failures;
      }
      if (expected) {
        engine.PredictHeight(t);
        ASSERT_EQ(engine.tideHeight(), *expected) << t.serial();
      } else {
        ASSERT_THROW(engine.PredictHeight(t), RuntimeError) << t.serial();
      }
    }
    EXPECT_GT(failures, 0);
    EXPECT_LT(failures, 496);  // some instants of each port do have a height
  }
}

// A port chosen in the middle of a run must not get the sums worked out
// ahead for the port before, which had no use for the spring-neap day.
TEST(TideEngine, APortChosenMidRunStartsAfresh) {
  LocationRecord port = portWith({.m2 = 1.1, .m2Phase = 33});
  port.harmonic[0] = "W";
  port.springNeapLevel = {"1", "", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8"};
  const LocationRecord plain = portWith({.meanLevel = 1, .m2 = 0.8, .m2Phase = 200});
  Settings settings;
  TideEngine engine(settings), fresh(settings);
  fresh.setPort(port);
  DateTime t = DateTime::fromCivil(2026, 1, 16);
  for (int i = 0; i < 40; ++i) {
    engine.setPort(i % 2 == 0 ? plain : port);
    for (int j = 0; j < 3; ++j, t = t.addMinutes(50)) engine.PredictHeight(t);
    fresh.PredictHeight(t.addMinutes(-50));
    if (i % 2 == 1) {
      ASSERT_EQ(engine.tideHeight(), fresh.tideHeight()) << i;
    }
  }
}

}  // namespace
}  // namespace saltmark
