// The direct mapping of a station's constants: units, the zone shift of the
// epochs, and the shallow-water terms checked against the engine's formula.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "HarmonicSum.h"
#include "PortLine.h"
#include "PortMapping.h"
#include "ToolFixtures.h"
#include "data/LocationLine.h"
#include "engine/HeightComputation.h"

namespace saltmark::tcd {
namespace {

using test::fullStation;
using test::smallSet;
using test::stationWith;

TEST(DirectMapping, FeetBecomeMetresAndEpochsMoveIntoThePortsZone) {
  const ConstituentSet set = smallSet();
  struct Case {
    double zone;
    int meridian;  // hours * 100 + minutes east, as the file gives it
    double expectedM2Lag;
  };
  const double m2 = 28.9841042, epoch = 100.0;
  const Case cases[] = {
      {0, 0, epoch},                                  // UTC epochs in a UTC port stay
      {5, 0, NormalDegrees(epoch - 5 * m2)},          // New York: g - w z
      {-10, 0, NormalDegrees(epoch + 10 * m2)},       // Guam, east of Greenwich
      {3.5, 0, NormalDegrees(epoch - 3.5 * m2)},      // a half-hour zone
      {5, -500, epoch},                               // epochs already referred to the port's own meridian
      {0, -500, NormalDegrees(epoch + 5 * m2)},       // ... brought back to UTC
      {0, 530, NormalDegrees(epoch - 5.5 * m2)},      // meridian with minutes
      {0, -330, NormalDegrees(epoch + 3.5 * m2)},     // ... west of Greenwich
  };
  for (const Case& c : cases) {
    ReferenceStation station = fullStation(set);
    station.meridian = c.meridian;
    const MappingResult mapped = MapStationDirectly(station, set, c.zone);
    ASSERT_TRUE(mapped.port) << mapped.why;
    EXPECT_NEAR(mapped.port->phase[kM2], c.expectedM2Lag, 1e-9) << "zone " << c.zone << " meridian " << c.meridian;
    EXPECT_NEAR(mapped.port->amplitude[kM2], 4.5 * 0.3048, 1e-12);
    EXPECT_NEAR(mapped.port->amplitude[kO1], 0.45 * 0.3048, 1e-12);
    EXPECT_NEAR(mapped.port->meanLevel, 4.0 * 0.3048, 1e-12);
    EXPECT_EQ(mapped.port->zoneHoursWest, c.zone);
    // M4 turns exactly twice as fast as M2, so the zone shift drops out of its phase.
    EXPECT_NEAR(mapped.port->quarterPhase, NormalDegrees(40.0 - 2 * 100.0), 1e-6);
    EXPECT_NEAR(mapped.port->quarterCoefficient, 0.12 * 0.3048 / std::pow(4.5 * 0.3048, 2), 1e-12);
    EXPECT_NEAR(mapped.port->sixthCoefficient, 0.05 * 0.3048 / std::pow(4.5 * 0.3048, 3), 1e-12);
  }
  ReferenceStation metres = fullStation(set);
  metres.levelUnits = "meters";
  EXPECT_DOUBLE_EQ(MapStationDirectly(metres, set, 0).port->amplitude[kM2], 4.5);
}

TEST(DirectMapping, StationsThatCannotBeMappedSaySo) {
  const ConstituentSet set = smallSet();
  struct Case {
    const char* what;
    ReferenceStation station;
    SkipReason reason;
  };
  ReferenceStation knots = fullStation(set);
  knots.levelUnits = "knots";
  const Case cases[] = {
      {"no S2", stationWith(set, {{"M2", {1, 0}}, {"K1", {1, 0}}, {"O1", {1, 0}}}), SkipReason::missingConstituent},
      {"no M2", stationWith(set, {{"S2", {1, 0}}, {"K1", {1, 0}}, {"O1", {1, 0}}}), SkipReason::missingConstituent},
      {"zero O1", stationWith(set, {{"M2", {1, 0}}, {"S2", {1, 0}}, {"K1", {1, 0}}, {"O1", {0, 0}}}),
       SkipReason::missingConstituent},
      {"a stream", knots, SkipReason::unknownUnits},
  };
  for (const Case& c : cases) {
    const MappingResult mapped = MapStationDirectly(c.station, set, 5);
    EXPECT_FALSE(mapped.port) << c.what;
    EXPECT_EQ(mapped.skipped, c.reason) << c.what;
    EXPECT_FALSE(mapped.why.empty()) << c.what;
  }
  // Without M4 and M6 the shallow-water terms are simply 0.
  const auto plain = MapStationDirectly(
      stationWith(set, {{"M2", {1, 10}}, {"S2", {1, 20}}, {"K1", {1, 30}}, {"O1", {1, 40}}}), set, 5);
  ASSERT_TRUE(plain.port);
  EXPECT_EQ(plain.port->quarterCoefficient, 0);
  EXPECT_EQ(plain.port->sixthCoefficient, 0);
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
      {"  Sandy Hook,New Jersey ", "Sandy Hook - New Jersey"},
      {"$Odd name", "Odd name"},
      {"Tab\tname", "Tab name"},
      {"Trailing comma,", "Trailing comma"},
      {"", "Unnamed station"},
      {" , ", "Unnamed station"},
      {"Caf\xE9 Point", "Caf\xE9 Point"},  // Latin-1 letters kept as they are
  };
  for (const auto& [raw, clean] : cases) EXPECT_EQ(CleanPortName(raw), clean) << raw;
}

TEST(PortLine, TheLineReadsBackAsTheSamePort) {
  SimplePort port;
  port.zoneHoursWest = 3.5;
  port.meanLevel = 1.23456;
  port.amplitude = {0.1, 0.2, 1.5, 0.4};
  port.phase = {10, 20, 359.996, 40};
  port.quarterCoefficient = 0.0123456;
  port.quarterPhase = -30;
  const std::string line = FormatLocationLine("Some Port", port, -33.85, 151.2167);
  const LocationRecord record = ParseLocationLine(line);
  EXPECT_EQ(record.portName, "Some Port");
  EXPECT_EQ(record.portZone, "3.5");
  EXPECT_EQ(record.latitudeText, "33\xB0" "51'S");
  EXPECT_EQ(record.longitudeText, "151\xB0" "13'E");
  EXPECT_EQ(record.harmonic[0], "1.2346");
  EXPECT_EQ(record.harmonic[1], "0.00");  // 359.996 rounds to a full turn
  EXPECT_EQ(record.harmonic[9], "330.00");
  for (const auto& text : record.monthlyLevel) EXPECT_EQ(text, "");
  for (const auto& text : record.springNeapLevel) EXPECT_EQ(text, "");
  // Minutes that round to 60 carry into the degrees.
  EXPECT_EQ(ParseLocationLine(FormatLocationLine("P", port, 50.9999, -0.00001)).latitudeText, "51\xB0" "00'N");
  EXPECT_EQ(ZoneText(-10), "-10");
  EXPECT_EQ(ZoneText(5), "5");
}

TEST(PortLine, SeasonalLevelsGoIntoTheirFields) {
  SimplePort port;
  port.meanLevel = 1.28;
  port.amplitude = {0.1, 0.2, 1.5, 0.4};
  port.monthlyLevel = {0.08, 0.05, 0.0, -0.04, -0.07, -0.09, -0.06, -0.02, 0.03, 0.06, 0.04, 0.02};
  const LocationRecord monthly = ParseLocationLine(FormatLocationLine("P", port, 50, -1));
  EXPECT_EQ(monthly.harmonic[0], "1.2800");
  EXPECT_EQ(monthly.monthlyLevel[0], "0.0800");
  EXPECT_EQ(monthly.monthlyLevel[2], "0.0000");
  EXPECT_EQ(monthly.monthlyLevel[5], "-0.0900");
  for (const auto& text : monthly.springNeapLevel) EXPECT_EQ(text, "");

  port.followsSpringNeap = true;
  port.springNeapOffset = -2;
  port.springNeapLevel = {1.45, 1.42, 1.36, 1.30, 1.24, 1.20, 1.18, 1.17};
  const LocationRecord record = ParseLocationLine(FormatLocationLine("P", port, 50, -1));
  EXPECT_EQ(record.harmonic[0], "w");
  EXPECT_EQ(record.monthlyLevel[11], "0.0200");
  const std::array<std::string, 10> springNeap = {"-2", "", "1.4500", "1.4200", "1.3600", "1.3000",
                                                  "1.2400", "1.2000", "1.1800", "1.1700"};
  EXPECT_EQ(record.springNeapLevel, springNeap);
  for (const auto& text : record.monthlyAmplitude) EXPECT_EQ(text, "");
  // Read back, the mean level is the average over the 15 days of the cycle:
  // with offset -2 the days fold onto levels 0..7 once, twice or three times.
  const SimplePort stored = AsStored(port);
  EXPECT_EQ(stored.springNeapOffset, -2);
  EXPECT_NEAR(stored.meanLevel, 19.22 / 15, 1e-6);
}

}  // namespace
}  // namespace saltmark::tcd
