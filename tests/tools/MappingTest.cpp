// The direct mapping of a station's constants (units, the zone shift of the
// epochs, the shallow-water terms checked against the engine's formula), its
// line in the database, and subordinate stations as difference records: the
// patterns the editor allows and the heights the program then predicts.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "DifferenceMapping.h"
#include "HarmonicSum.h"
#include "PortLine.h"
#include "PortMapping.h"
#include "ToolFixtures.h"
#include "common/VbNumbers.h"
#include "data/LocationLine.h"
#include "editors/DifferenceValues.h"
#include "engine/HeightComputation.h"
#include "engine/SecondaryPort.h"

namespace saltmark::tcd {
namespace {

using test::fullStation;
using test::smallSet;
using test::stationWith;

TEST(DirectMapping, FeetBecomeMetresAndEpochsMoveIntoThePortsZone) {
  const ConstituentSet set = smallSet();
  // The port's zone (hours west), the file's meridian (hours * 100 + minutes east) and the M2 lag.
  const double m2 = 28.9841042, epoch = 100.0;
  const struct { double zone; int meridian; double expectedM2Lag; } cases[] = {
      {0, 0, epoch},                                  // UTC epochs in a UTC port stay
      {5, 0, NormalDegrees(epoch - 5 * m2)},          // New York: g - w z
      {-10, 0, NormalDegrees(epoch + 10 * m2)},       // Guam, east of Greenwich
      {3.5, 0, NormalDegrees(epoch - 3.5 * m2)},      // a half-hour zone
      {5, -500, epoch},                               // epochs already referred to the port's own meridian
      {0, -500, NormalDegrees(epoch + 5 * m2)},       // ... brought back to UTC
      {0, 530, NormalDegrees(epoch - 5.5 * m2)},      // meridian with minutes
      {0, -330, NormalDegrees(epoch + 3.5 * m2)},     // ... west of Greenwich
  };
  for (const auto& c : cases) {
    ReferenceStation station = fullStation(set);
    station.meridian = c.meridian;
    const MappingResult mapped = MapStationDirectly(station, set, c.zone);
    ASSERT_TRUE(mapped.port) << mapped.why;
    EXPECT_NEAR(mapped.port->phase[kM2], c.expectedM2Lag, 1e-9) << "zone " << c.zone << " meridian " << c.meridian;
    EXPECT_EQ(mapped.port->zoneHoursWest, c.zone);
    // M4 turns exactly twice as fast as M2, so the zone shift drops out of its phase.
    EXPECT_NEAR(mapped.port->quarterPhase, NormalDegrees(40.0 - 2 * 100.0), 1e-6);
  }
  const SimplePort feet = *MapStationDirectly(fullStation(set), set, 5).port;
  EXPECT_NEAR(feet.amplitude[kM2], 4.5 * 0.3048, 1e-12);
  EXPECT_NEAR(feet.amplitude[kO1], 0.45 * 0.3048, 1e-12);
  EXPECT_NEAR(feet.meanLevel, 4.0 * 0.3048, 1e-12);
  EXPECT_NEAR(feet.quarterCoefficient, 0.12 * 0.3048 / std::pow(4.5 * 0.3048, 2), 1e-12);
  EXPECT_NEAR(feet.sixthCoefficient, 0.05 * 0.3048 / std::pow(4.5 * 0.3048, 3), 1e-12);
  ReferenceStation metres = fullStation(set);
  metres.levelUnits = "meters";
  EXPECT_DOUBLE_EQ(MapStationDirectly(metres, set, 0).port->amplitude[kM2], 4.5);
}

TEST(DirectMapping, StationsThatCannotBeMappedSaySo) {
  const ConstituentSet set = smallSet();
  ReferenceStation knots = fullStation(set);
  knots.levelUnits = "knots";
  const auto missing = SkipReason::missingConstituent;  // S2, M2, or O1 of no amplitude
  const std::pair<ReferenceStation, SkipReason> cases[] = {
      {stationWith(set, {{"M2", {1, 0}}, {"K1", {1, 0}}, {"O1", {1, 0}}}), missing},
      {stationWith(set, {{"S2", {1, 0}}, {"K1", {1, 0}}, {"O1", {1, 0}}}), missing},
      {stationWith(set, {{"M2", {1, 0}}, {"S2", {1, 0}}, {"K1", {1, 0}}, {"O1", {0, 0}}}), missing},
      {knots, SkipReason::unknownUnits}};
  for (const auto& [station, reason] : cases) {
    const MappingResult mapped = MapStationDirectly(station, set, 5);
    EXPECT_FALSE(mapped.port) << mapped.why;
    EXPECT_EQ(mapped.skipped, reason) << mapped.why;
    EXPECT_FALSE(mapped.why.empty());
  }
  // Without M4 and M6 the shallow-water terms are simply 0.
  const auto plain = MapStationDirectly(
      stationWith(set, {{"M2", {1, 10}}, {"S2", {1, 20}}, {"K1", {1, 30}}, {"O1", {1, 40}}}), set, 5);
  ASSERT_TRUE(plain.port);
  EXPECT_EQ(plain.port->quarterCoefficient + plain.port->sixthCoefficient, 0);
}

// A station of M2 with its overtides only: the full harmonic sum and the
// engine's own height formula, fed the exact M2 argument, give the same tide.
// This pins the sign convention of the shallow-water phases.
TEST(DirectMapping, ShallowWaterTermsFollowTheEngineFormula) {
  const ConstituentSet set = smallSet();
  constexpr double tiny = 1e-7;  // S2, K1 and O1 must exist, but play no part
  const ReferenceStation station =
      stationWith(set, {{"M2", {3.0, 100.0}}, {"S2", {tiny, 0}}, {"K1", {tiny, 0}}, {"O1", {tiny, 0}},
                        {"M4", {0.4, 250.0}}, {"M6", {0.15, 20.0}}});
  const double zone = 5;
  const auto mapped = MapStationDirectly(station, set, zone);
  ASSERT_TRUE(mapped.port);
  const auto sum = HarmonicSum::forYear(station, set, 2026);
  ASSERT_TRUE(sum);

  const LocationRecord record = ParseLocationLine(FormatLocationLine("Test", *mapped.port, 43.5, -70.25));
  const PortConstants constants = PreparePortConstants(record, 0, 0);
  const double deg = std::numbers::pi / 180;
  const Constituent& m2 = set.constituents[0];
  for (double localHours : {0.0, 1.3, 2.6, 3.9, 7.25, 11.0, 250.4, 4000.7}) {
    CorrectedConstituents corrected;
    // The engine's corrected phase is the lag plus minus the astronomical argument.
    const double argument = (m2.equilibrium[0] + m2.speed * localHours) * deg;
    corrected.phase[kM2] = static_cast<float>(constants.portConstant[1] - argument);
    corrected.amplitude[kM2] = static_cast<float>(constants.portConstant[2] * m2.nodeFactor[0]);
    const double engine = HeightAtOffset(corrected, constants, 0).height;
    EXPECT_NEAR(engine, sum->heightAt(localHours + zone), 2e-4) << "at " << localHours << " h";
  }
}

TEST(PortLine, NamesAreCleanedForTheCommaSeparatedLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"Boston, Boston Harbor, Massachusetts", "Boston - Boston Harbor - Massachusetts"},
      {"  Sandy Hook,New Jersey ", "Sandy Hook - New Jersey"}, {"$Odd name", "Odd name"}, {"Tab\tname", "Tab name"},
      {"Trailing comma,", "Trailing comma"}, {"", "Unnamed station"}, {" , ", "Unnamed station"},
      {"Caf\xE9 Point", "Caf\xE9 Point"},  // Latin-1 letters kept as they are
  };
  for (const auto& [raw, clean] : cases) EXPECT_EQ(CleanPortName(raw), clean) << raw;
}

TEST(PortLine, TheLineReadsBackWithItsPositionPhasesAndSeasonalLevels) {
  SimplePort port;
  port.zoneHoursWest = 3.5;
  port.meanLevel = 1.23456;
  port.amplitude = {0.1, 0.2, 1.5, 0.4};
  port.phase = {10, 20, 359.996, 40};
  port.quarterCoefficient = 0.0123456;
  port.quarterPhase = -30;
  const LocationRecord plain = ParseLocationLine(FormatLocationLine("Some Port", port, -33.85, 151.2167));
  EXPECT_EQ((std::vector{plain.portName, plain.portZone, plain.latitudeText, plain.longitudeText}),
            (std::vector<std::string>{"Some Port", "3.5", "33\xB0" "51'S", "151\xB0" "13'E"}));
  // M2's 359.996 rounds to a full turn.
  const std::array<std::string, 13> harmonic = {"1.2346", "0.00",   "1.5000", "40.00",    "0.4000", "20.00", "0.2000",
                                                "10.00",  "0.1000", "330.00", "0.012346", "0.00",   "0.000000"};
  EXPECT_EQ(plain.harmonic, harmonic);
  EXPECT_EQ(plain.monthlyLevel, decltype(plain.monthlyLevel){});
  EXPECT_EQ(plain.springNeapLevel, decltype(plain.springNeapLevel){});
  // Minutes that round to 60 carry into the degrees.
  EXPECT_EQ(ParseLocationLine(FormatLocationLine("P", port, 50.9999, -0.00001)).latitudeText, "51\xB0" "00'N");

  port.monthlyLevel = {0.08, 0.05, 0.0, -0.04, -0.07, -0.09, -0.06, -0.02, 0.03, 0.06, 0.04, 0.02};
  port.followsSpringNeap = true;
  port.springNeapOffset = -2;
  port.springNeapLevel = {1.45, 1.42, 1.36, 1.30, 1.24, 1.20, 1.18, 1.17};
  const LocationRecord record = ParseLocationLine(FormatLocationLine("P", port, 50, -1));
  EXPECT_EQ((std::vector{record.harmonic[0], record.monthlyLevel[0], record.monthlyLevel[2], record.monthlyLevel[11]}),
            (std::vector<std::string>{"w", "0.0800", "0.0000", "0.0200"}));
  const std::array<std::string, 10> springNeap = {"-2", "", "1.4500", "1.4200", "1.3600", "1.3000",
                                                  "1.2400", "1.2000", "1.1800", "1.1700"};
  EXPECT_EQ(record.springNeapLevel, springNeap);
  EXPECT_EQ(record.monthlyAmplitude, decltype(record.monthlyAmplitude){});
  // Read back, the mean level is the average over the 15 days of the cycle:
  // with offset -2 the days fold onto levels 0..7 once, twice or three times.
  const SimplePort stored = AsStored(port);
  EXPECT_EQ(stored.springNeapOffset, -2);
  EXPECT_NEAR(stored.meanLevel, 19.22 / 15, 1e-6);
}

SimplePort referencePort(double m2 = 1.0, double s2 = 0.25) {
  SimplePort p;
  p.meanLevel = 1.5;
  p.amplitude = {0.1, 0.15, m2, s2};
  return p;
}

SubordinateStation sub(int highTime, int lowTime, double highAdd, double lowAdd, double highRatio = 0,
                       double lowRatio = 0) {
  SubordinateStation s;
  s.name = "Upriver Landing, Some River, Maine (sub)";
  s.latitude = 43.75, s.longitude = -70.125;
  s.levelUnits = "feet";
  s.maxTimeAdd = highTime, s.minTimeAdd = lowTime;
  s.maxLevelAdd = highAdd, s.minLevelAdd = lowAdd;
  s.maxLevelMultiply = highRatio, s.minLevelMultiply = lowRatio;
  return s;
}

TEST(DifferenceMapping, TimeDifferencesAsSignedHoursAndMinutes) {
  // The text is the editor's own (tests/editors); a day or more, and 75 minutes, cannot be written.
  EXPECT_EQ(TimeDifferenceText(-234), "-0234");
  EXPECT_EQ(TimeDifferenceText(2359), "+2359");
  for (int value : {2400, -3015, 175}) EXPECT_FALSE(TimeDifferenceText(value)) << value;
}

TEST(DifferenceMapping, PlainDifferencesUseTheDifferencesOnlyPattern) {
  const auto mapped = MapSubordinate(sub(45, -30, 1.0, -0.5), referencePort(), 17);
  ASSERT_TRUE(mapped.record) << mapped.why;
  const DifferenceRecord& r = *mapped.record;
  EXPECT_FALSE(mapped.usesRatios);
  EXPECT_EQ(r.name, "Upriver Landing - Some River - Maine");  // no "(sub)", no commas
  EXPECT_EQ(r.referencePort, 17);
  EXPECT_EQ(r.latitudeText + r.longitudeText, "43\xB0" "45.0'N" "070\xB0" "07.5'W");  // longitudes in three digits
  // No reference levels; 1 ft at high water, -0.5 ft at low.
  const std::array<std::string, kDifferenceValueCount> texts = {"", "", "", "", "+0045", "-0030",
                                                                "0.30", "0.30", "-0.15", "-0.15"};
  EXPECT_EQ(r.diffText, texts);  // the differences-only pattern, as the editor allows it
}

// With ratios the program must give ratio x reference height + difference at
// the high and low levels: check through its own secondary-port rule.
TEST(DifferenceMapping, RatiosBecomeHeightDifferencesAtTheReferenceLevels) {
  const struct { const char* what; SimplePort reference; double highRatio, lowRatio; bool neaps; } cases[] = {
      {"semidiurnal, one ratio", referencePort(1.0, 0.25), 0.8, 0.8, true},
      {"semidiurnal, two ratios", referencePort(1.0, 0.25), 1.2, 0.9, true},
      {"S2 as large as M2", referencePort(0.3, 0.3), 0.5, 0.5, false}};
  for (const auto& c : cases) {
    const auto mapped = MapSubordinate(sub(10, 20, 0.5, 0.0, c.highRatio, c.lowRatio), c.reference, 3);
    ASSERT_TRUE(mapped.record) << c.what;
    const DifferenceRecord& r = *mapped.record;
    EXPECT_TRUE(mapped.usesRatios) << c.what;
    EXPECT_FALSE(DifferenceCombinationProblem(r.diffText)) << c.what;
    EXPECT_EQ(r.diffText[difference::kReferenceMHWN].empty(), !c.neaps) << c.what;
    const double addHigh = 0.5 * 0.3048;
    const double mhws = Val(r.diffText[difference::kReferenceMHWS]);
    const double mlws = Val(r.diffText[difference::kReferenceMLWS]);
    EXPECT_NEAR(mhws + HeightDifference(r, mhws, 1), c.highRatio * mhws + addHigh, 0.006) << c.what;
    EXPECT_NEAR(mlws + HeightDifference(r, mlws, -1), c.lowRatio * mlws, 0.006) << c.what;
    // Above the high levels the high-water rule goes on exactly (linear in h).
    const double above = mhws + 0.4;
    if (c.neaps) {
      EXPECT_NEAR(above + HeightDifference(r, above, 1), c.highRatio * above + addHigh, 0.01) << c.what;
    }
  }
}

TEST(DifferenceMapping, WhatTheRecordCannotHoldIsRefused) {
  SubordinateStation knots = sub(10, 10, 0, 0);
  knots.levelUnits = "knots";
  EXPECT_FALSE(MapSubordinate(knots, referencePort(), 0).record);
  const auto flat = MapSubordinate(sub(10, 10, 0, 0, 0.5, 0.5), referencePort(0.001, 0.001), 0);
  EXPECT_FALSE(flat.record) << "no range to scale by";
  EXPECT_FALSE(flat.why.empty());
}

}  // namespace
}  // namespace saltmark::tcd
