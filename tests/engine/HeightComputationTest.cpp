#include "engine/HeightComputation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "common/RuntimeError.h"
#include "common/VbNumbers.h"
#include "engine/EngineFixtures.h"
#include "engine/TideEngine.h"

namespace saltmark {
namespace {

using test::Harmonics;
using test::portWith;

TEST(HeightComputation, HeightsByHand) {
  // At 1 Jan 1900 00:00 the O1 argument is h - 2s - 90 degrees = -363.8601
  // degrees; the group has one row, so the height is H cos(g - V).
  const double V = (280.1895 - 2 * 277.0248 - 90) * kDegreesToRadians;
  LocationRecord july = portWith({.meanLevel = 2});
  july.monthlyLevel[6] = "0.25";
  LocationRecord blank = july;
  blank.harmonic = {};  // every text blank reads as 0
  const struct {
    const char* what;
    LocationRecord port;
    DateTime instant;
    bool metric;
    float offset;
    double expected, within;
  } cases[] = {
      {"O1 at the epoch", portWith({.meanLevel = 1.5, .o1 = 2, .o1Phase = 30}), DateTime::fromCivil(1900, 1, 1), true,
       0, 1.5 + 2 * std::cos(30 * kDegreesToRadians - V), 2e-6},
      {"feet (3.28084 a metre)", portWith({.meanLevel = 1}), DateTime::fromCivil(2026, 5, 1), false, 0, 3.28084, 1e-5},
      {"an offset after", portWith({.meanLevel = 1}), DateTime::fromCivil(2026, 5, 1), false, 0.5F, 3.78084, 1e-5},
      {"July's level", july, DateTime::fromCivil(2026, 7, 10, 13), true, 0, 2.25, 0},
      {"August without one", july, DateTime::fromCivil(2026, 8, 10, 13), true, 0, 2.0, 0},
      {"blank texts", blank, DateTime::fromCivil(2026, 7, 10, 13), true, 0, 0.25, 0},
  };
  for (const auto& c : cases) {
    Settings settings;
    settings.metricUnits = c.metric ? kTrue : kFalse;
    TideEngine engine(settings);
    engine.setPort(c.port);
    engine.heightOffset = c.offset;
    engine.PredictHeight(c.instant);
    EXPECT_NEAR(engine.tideHeightWithOffset(), c.expected, c.within) << c.what;
  }
}

// Moved by x hours, a port of one constituent follows A cos(phase - w x), so
// h(x) = h(0) cos(w x) + h(q) sin(w x) with q a quarter turn of w.
TEST(HeightComputation, OffsetsMoveEachConstituentAtItsOwnSpeed) {
  // Ports of one constituent each, and the speed at which the engine moves it by an offset of hours.
  const struct { const char* name; Harmonics harmonics; double offsetDegreesPerHour; } constituents[] = {
      {"O1", {.o1 = 1, .o1Phase = 40}, 13.83}, {"K1", {.k1 = 1, .k1Phase = 40}, 15.00},
      {"M2", {.m2 = 1, .m2Phase = 40}, 28.87}, {"S2", {.s2 = 1, .s2Phase = 40}, 29.96}};
  const GroupCorrections g = ComputeGroupFactors(DateTime::fromCivil(2026, 5, 3, 7, 20));
  for (const auto& c : constituents) {
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
  const Harmonics shallow{
      .meanLevel = 3, .m2 = 1.2, .m2Phase = 75, .quarter = 0.05, .quarterPhase = 20, .sixth = 0.02, .sixthPhase = 200};
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
  const struct { const char* offset; int springNeapDay, month; float meanLevel, amplitude; } cases[] = {
      {"0", -3, 2, 15, 0.3F},  // k = 3: level text 5; March's amplitude
      {"2", 7, 3, 17, 0.4F},   // k = 9 becomes 5: level text 7; April's
      {"0", 0, 0, 12, 0.1F},
  };
  for (const auto& c : cases) {
    port.springNeapLevel[0] = c.offset;
    const PortConstants pc = PreparePortConstants(port, c.month, c.springNeapDay);
    EXPECT_EQ(pc.portConstant[0], c.meanLevel) << c.offset << " " << c.springNeapDay;
    EXPECT_EQ(pc.portConstant[2], c.amplitude);
  }
  port.springNeapLevel[0] = "30";  // far outside the table
  EXPECT_THROW(PreparePortConstants(port, 0, 0), RuntimeError);
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
// works the group sums of a run out ahead: every height, and every failure,
// must be the one a fresh reading gives, also for a port chosen mid-run.
TEST(TideEngine, RunsGiveTheHeightsAndFailuresOfAFreshReading) {
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
  LocationRecord offTheTable = portWith({.m2 = 1.1, .m2Phase = 33, .s2 = 0.4});
  offTheTable.harmonic[0] = "W";
  // An offset that sends the days from 2 on past the start of the table.
  offTheTable.springNeapLevel = {"15", "", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8"};
  const LocationRecord overflowing = portWith({.meanLevel = 3e38, .m2 = 1e38});
  const LocationRecord* ports[] = {&plain, &port, &offTheTable, &overflowing};
  const std::vector<DateTime> instants = instantsOfMixedRuns();
  Settings settings;
  for (const bool remember : {false, true}) {
    TideEngine engine(settings);
    if (remember) engine.rememberInstants();
    int failures[4] = {}, heights[4] = {};
    // Twice over the same instants: remembered sums must change nothing.
    for (int pass = 0; pass < 2; ++pass) {
      for (std::size_t i = 0; i < instants.size(); ++i) {
        const DateTime t = instants[i];
        const std::size_t p = (i / 29 + pass) % 4;
        if (i % 29 == 0) engine.setPort(*ports[p]);
        std::optional<float> fresh;
        try {
          const GroupCorrections g = ComputeGroupFactors(t);
          const PortConstants pc = PreparePortConstants(*ports[p], g.monthIndex, g.springNeapDay);
          fresh = HeightAtOffset(CombineGroupCorrections(pc, g), pc, 0).height;
        } catch (const RuntimeError&) {
        }
        const std::string where = std::to_string(remember) + " " + std::to_string(p) + " " + std::to_string(i);
        if (fresh) {
          engine.PredictHeight(t);
          ASSERT_EQ(engine.tideHeight(), *fresh) << where;
          ++heights[p];
        } else {
          ASSERT_THROW(engine.PredictHeight(t), RuntimeError) << where;
          ++failures[p];
        }
      }
    }
    EXPECT_EQ(failures[0] + failures[1], 0);
    for (int p : {2, 3}) {
      EXPECT_GT(failures[p], 0) << p;
      EXPECT_GT(heights[p], 0) << p;  // some instants of each port do have a height
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
      if (m == 0 || m > kMinutesTurnedAhead || m < -kMinutesTurnedAhead) {
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

}  // namespace
}  // namespace saltmark
