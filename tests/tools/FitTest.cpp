// The full harmonic sum, the simplified formula against the engine, and the
// least-squares fit of a port to a full tide.
#include <gtest/gtest.h>

#include <cmath>

#include "HarmonicSum.h"
#include "PortFit.h"
#include "PortLine.h"
#include "PortMapping.h"
#include "SimplifiedModel.h"
#include "ToolFixtures.h"
#include "data/LocationLine.h"
#include "data/Settings.h"
#include "engine/TideEngine.h"

namespace saltmark::tcd {
namespace {

using test::fullStation;
using test::smallSet;

SimplePort knownPort() {
  SimplePort p;
  p.zoneHoursWest = 5;
  p.meanLevel = 1.3;
  p.amplitude = {0.14, 0.19, 1.37, 0.24};
  p.phase = {190.5, 200.25, 100.75, 130.0};
  p.quarterCoefficient = 0.021;
  p.quarterPhase = 200;
  p.sixthCoefficient = 0.0065;
  p.sixthPhase = 60;
  return p;
}

TEST(HarmonicSum, SamplesMatchTheSumTakenOneInstantAtATime) {
  const ConstituentSet set = smallSet();
  const auto sum = HarmonicSum::forYear(fullStation(set), set, 2026);
  ASSERT_TRUE(sum);
  // Long enough for the turning of the terms to be re-anchored many times.
  const auto samples = sum->sample(-3.5, 0.1, 20000);
  for (int i : {0, 1, 255, 256, 257, 9999, 19999})
    EXPECT_NEAR(samples[static_cast<std::size_t>(i)], sum->heightAt(-3.5 + 0.1 * i), 1e-9) << i;
  EXPECT_FALSE(HarmonicSum::forYear(fullStation(set), set, 2027)) << "the tables hold 2026 only";
}

TEST(HarmonicSum, EpochsComeToUtcByTheirMeridian) {
  const struct {
    int meridian;
    double expected;
  } cases[] = {{0, 100}, {-500, 100 + 5 * 30.0}, {530, 100 - 5.5 * 30.0}, {-330, 100 + 3.5 * 30.0}};
  for (const auto& c : cases) EXPECT_NEAR(EpochAtUtc(100, 30.0, c.meridian), c.expected, 1e-12) << c.meridian;
}

// The fit works on a double-precision copy of the engine's formula; the two
// must agree, or the fitted constants would be fitted to the wrong thing.
TEST(SimplifiedModel, AgreesWithTheEngine) {
  const SimplePort port = AsStored(knownPort());
  Settings settings;
  TideEngine engine(settings);
  engine.setPort(ParseLocationLine(FormatLocationLine("Test", port, 40, -70)));
  const SampleClock clock = YearClock(2026, 1);
  const auto groups = GroupCorrectionsFor({2026, 1, 400});
  for (int i : {0, 7, 100, 399}) {
    engine.PredictHeight(clock.instant(i));
    EXPECT_NEAR(SimplifiedHeight(port, groups[static_cast<std::size_t>(i)]), engine.tideHeight(), 2e-5) << i;
  }
  EXPECT_EQ(clock.count, 365 * 24);
  EXPECT_EQ(YearClock(2028, 0.5).count, 366 * 48);
}

TEST(PortFit, RecoversTheConstantsOfATideItCanExpress) {
  const SimplePort truth = knownPort();
  const auto groups = GroupCorrectionsFor({2026, 1, 24 * 60});
  std::vector<double> target;
  for (const auto& g : groups) target.push_back(SimplifiedHeight(truth, g));

  SimplePort start = truth;  // a rough first guess
  start.meanLevel = 0;
  start.amplitude = {0.1, 0.1, 1.0, 0.1};
  start.phase = {150, 250, 80, 100};
  start.quarterCoefficient = start.sixthCoefficient = 0;
  const SimplePort fitted = FitPort(start, groups, target);

  EXPECT_LT(RmsDifference(fitted, groups, target), 1e-4);
  EXPECT_NEAR(fitted.meanLevel, truth.meanLevel, 1e-3);
  for (int g = 0; g < kPrincipalCount; ++g) {
    EXPECT_NEAR(fitted.amplitude[g], truth.amplitude[g], 1e-3) << kPrincipalNames[g];
    EXPECT_NEAR(fitted.phase[g], truth.phase[g], 0.2) << kPrincipalNames[g];
  }
  EXPECT_NEAR(fitted.quarterCoefficient, truth.quarterCoefficient, 1e-3);
  EXPECT_NEAR(fitted.quarterPhase, truth.quarterPhase, 2);
  EXPECT_NEAR(fitted.sixthCoefficient, truth.sixthCoefficient, 1e-3);
  EXPECT_EQ(fitted.zoneHoursWest, truth.zoneHoursWest);
}

TEST(PortFit, BeatsTheDirectMappingOnAFullTideAndNeverLosesToIt) {
  const ConstituentSet set = smallSet();
  const ReferenceStation station = fullStation(set);  // with N2, which the four constituents lack
  const SimplePort direct = *MapStationDirectly(station, set, 5).port;
  const SampleClock clock = YearClock(2026, 1);
  const auto groups = GroupCorrectionsFor(clock);
  const auto target = HarmonicSum::forYear(station, set, 2026)->sample(clock.hoursUtc(0, 5), 1, clock.count);

  const double before = RmsDifference(direct, groups, target);
  const double after = RmsDifference(FitPort(direct, groups, target), groups, target);
  EXPECT_LT(after, before);
  EXPECT_GT(before, 0.01) << "the test needs a tide the simplified method cannot follow exactly";

  // A target it cannot improve on (nothing to fit) gives the start back.
  const std::vector<GroupAtInstant> none;
  EXPECT_EQ(FitPort(direct, none, {}).amplitude, direct.amplitude);
}

}  // namespace
}  // namespace saltmark::tcd
