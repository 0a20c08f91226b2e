// The full harmonic sum, the simplified formula against the engine, and the
// least-squares fit of a port to a full tide.
#include <gtest/gtest.h>

#include <array>
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
  p.quarterCoefficient = 0.021, p.quarterPhase = 200;
  p.sixthCoefficient = 0.0065, p.sixthPhase = 60;
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

constexpr std::array<double, kMonths> kSeasonal = {0.08, 0.05, 0.0, -0.04, -0.07, -0.09,
                                                   -0.06, -0.02, 0.03, 0.06, 0.04, 0.02};  // averages zero
constexpr std::array<double, kSpringNeapLevels> kSpringNeap = {1.45, 1.42, 1.36, 1.30, 1.24, 1.20, 1.18, 1.17};

// The known port with monthly levels, and spring-neap levels from the offset given.
SimplePort withLevels(std::optional<int> springNeapOffset = std::nullopt) {
  SimplePort p = knownPort();
  p.monthlyLevel = kSeasonal;
  p.followsSpringNeap = springNeapOffset.has_value();
  p.springNeapOffset = springNeapOffset.value_or(0);
  if (springNeapOffset) p.springNeapLevel = kSpringNeap;
  return p;
}

// The fit works on a double-precision copy of the engine's formula; the two
// must agree, or the fitted constants would be fitted to the wrong thing.
TEST(SimplifiedModel, AgreesWithTheEngine) {
  // Every 97 hours through a year: every month and every spring-neap day.
  const SampleClock clock{2026, 97, 90};
  const auto groups = GroupCorrectionsFor(clock);
  for (const SimplePort& truth : {knownPort(), withLevels(), withLevels(3)}) {
    const SimplePort port = AsStored(truth);
    Settings settings;
    TideEngine engine(settings);
    engine.setPort(ParseLocationLine(FormatLocationLine("Test", port, 40, -70)));
    for (int i = 0; i < clock.count; ++i) {
      engine.PredictHeight(clock.instant(i));
      ASSERT_NEAR(SimplifiedHeight(port, groups[static_cast<std::size_t>(i)]), engine.tideHeight(), 2e-5)
          << i << " spring-neap " << truth.followsSpringNeap;
    }
  }
  EXPECT_EQ(YearClock(2026, 1).count, 365 * 24);
  EXPECT_EQ(YearClock(2028, 0.5).count, 366 * 48);
}

// From a rough start the fit finds the constants and levels of a tide it can express.
TEST(PortFit, RecoversTheConstantsAndLevelsOfATideItCanExpress) {
  const FitSamples samples(GroupCorrectionsFor(YearClock(2026, 1)));
  const struct { SimplePort truth; LevelForm form; } cases[] = {
      {knownPort(), LevelForm::constant}, {withLevels(), LevelForm::monthly}, {withLevels(2), LevelForm::springNeap}};
  for (const auto& c : cases) {
    const int row = static_cast<int>(&c - cases);
    std::vector<double> target;
    for (const auto& g : samples.groups()) target.push_back(SimplifiedHeight(c.truth, g));
    SimplePort start = knownPort();  // no levels, rough constants
    start.meanLevel = 0;
    start.amplitude = {0.1, 0.1, 1.0, 0.1};
    start.phase = {150, 250, 80, 100};
    start.quarterCoefficient = start.sixthCoefficient = 0;
    const FitResult fitted = FitPort(start, samples, target, c.form);
    ASSERT_TRUE(fitted.solved) << row;
    EXPECT_LT(fitted.rms, 1e-4) << row;
    const SimplePort& p = fitted.port;
    EXPECT_EQ(p.followsSpringNeap, c.truth.followsSpringNeap) << row;
    for (int m = 0; m < kMonths; ++m) EXPECT_NEAR(p.monthlyLevel[m], c.truth.monthlyLevel[m], 1e-3) << row << m;
    // Offsets 7 apart fold the days alike, so compare the level the engine takes on each day.
    if (c.truth.followsSpringNeap)
      for (int d = -7; d <= 7; ++d)
        EXPECT_NEAR(p.springNeapLevel[SpringNeapIndex(p.springNeapOffset, d)],
                    kSpringNeap[SpringNeapIndex(2, d)], 1e-3) << d;
    else
      EXPECT_NEAR(p.meanLevel, c.truth.meanLevel, 1e-3) << row;
    for (int g = 0; g < kPrincipalCount; ++g) {
      EXPECT_NEAR(p.amplitude[g], c.truth.amplitude[g], 1e-3) << row << kPrincipalNames[g];
      EXPECT_NEAR(p.phase[g], c.truth.phase[g], 0.2) << row << kPrincipalNames[g];
    }
    EXPECT_NEAR(p.quarterCoefficient, c.truth.quarterCoefficient, 1e-3) << row;
    EXPECT_NEAR(p.quarterPhase, c.truth.quarterPhase, 2) << row;
    EXPECT_NEAR(p.sixthCoefficient, c.truth.sixthCoefficient, 1e-3) << row;
    EXPECT_EQ(p.zoneHoursWest, c.truth.zoneHoursWest) << row;
  }
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

  // One sample a metre off, the rest exact: the error is 1 / sqrt(n) m.
  std::vector<double> exact;
  for (const auto& g : groups) exact.push_back(SimplifiedHeight(direct, g));
  exact[0] += 1;
  EXPECT_NEAR(RmsDifference(direct, groups, exact), 1 / std::sqrt(static_cast<double>(groups.size())), 1e-9);
  // A target it cannot improve on (nothing to fit) gives the start back.
  const std::vector<GroupAtInstant> none;
  EXPECT_EQ(FitPort(direct, none, {}).amplitude, direct.amplitude);
}

}  // namespace
}  // namespace saltmark::tcd
