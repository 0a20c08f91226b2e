// The whole conversion of hand-made data.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

#include "Conversion.h"
#include "PortLine.h"
#include "ToolFixtures.h"
#include "data/DifferenceFile.h"
#include "data/LocationLine.h"
#include "data/StreamFile.h"
#include "data/TideDatabaseFile.h"
#include "support/TestSupport.h"

namespace saltmark::tcd {
namespace {

using test::fullStation;
using test::smallSet;
using test::stationWith;

TcdData handMadeData() {
  TcdData data;
  data.constituents = smallSet();
  const auto& set = data.constituents;
  const auto add = [&](ReferenceStation s, int record, const char* tzfile = ":America/New_York") {
    s.recordNumber = record;
    s.tzfile = tzfile;
    data.references.push_back(std::move(s));
  };
  add(fullStation(set, "Portland, Casco Bay, Maine"), 10);
  add(fullStation(set, "Boston, Boston Harbor, Massachusetts"), 11);
  add(stationWith(set, {{"M2", {1, 0}}, {"K1", {1, 0}}, {"O1", {1, 0}}}, "Lacks S2, Texas"), 12);
  ReferenceStation guam = fullStation(set, "Apra Harbor, Guam");
  guam.latitude = 13.44;
  guam.longitude = 144.65;
  add(guam, 13, ":Pacific/Guam");
  add(fullStation(set, "Nowhere Point, Maine"), 14, ":Nowhere/Land");
  // name, reference record, high-water time difference (hhmm)
  for (const auto& [name, reference, highTime] : {std::tuple{"Falmouth, Casco Bay, Maine (sub)", 10, 5},
                                                 {"Hingham, Massachusetts (sub)", 11, -10},
                                                 {"Follows the skipped one, Texas (sub)", 12, 0},
                                                 {"A day late, Maine (sub)", 10, 2600}}) {
    SubordinateStation s;
    s.name = name;
    s.referenceRecord = reference;
    s.levelUnits = "feet";
    s.maxTimeAdd = highTime;
    s.minTimeAdd = 15;
    s.maxLevelMultiply = s.minLevelMultiply = 0.9;
    data.subordinates.push_back(s);
  }
  data.currentStations = 7;
  return data;
}

std::optional<double> fixedZones(const std::string& tzfile) {
  if (tzfile == ":America/New_York") return 5.0;
  if (tzfile == ":Pacific/Guam") return -10.0;
  return std::nullopt;
}

// The one year the hand-made tables hold, sampled coarsely to keep the tests quick.
ConversionOptions quickFit() {
  ConversionOptions options;
  options.fitFirstYear = options.fitLastYear = 2026;
  options.fitStepHours = 6;
  return options;
}

TEST(Conversion, AnAnnualTideGetsMonthlyLevels) {
  TcdData data;
  data.constituents = smallSet();
  ReferenceStation station = fullStation(data.constituents);
  station.terms.push_back({*data.constituents.find("Sa"), 0.35, 40.0});
  data.references.push_back(station);
  ConversionOptions options = quickFit();
  options.guardTableEvents = false;  // the fit alone, whatever its level steps do to the tables
  const Conversion c = ConvertTcdData(data, options, fixedZones);
  ASSERT_EQ(c.ports.size(), 1u);
  const ConvertedPort& port = c.ports[0];
  EXPECT_EQ(port.levels, LevelForm::monthly);
  EXPECT_NEAR(port.stored.phase[kM2], port.direct.phase[kM2], 2) << "fitted to the tide at its own instants";
  // The monthly means of a 0.35 ft (0.1067 m) annual wave hold sin(pi/12) /
  // (pi/12) = 0.9886 of it: 0.1067 x 0.9886 / sqrt 2 = 0.0746 m RMS, which
  // the monthly levels take out of the error in quadrature.
  EXPECT_NEAR(std::sqrt(port.rmsFitted * port.rmsFitted - port.rmsMonthly * port.rmsMonthly), 0.0746, 0.002);
  EXPECT_EQ(c.summary.withMonthlyLevels, 1);
  const LocationRecord record = ParseLocationLine(c.folder.tideFiles.at(0).lines.at(0));
  for (const auto& text : record.monthlyLevel) EXPECT_FALSE(text.empty());
}

TEST(Conversion, APortThatCannotBeFittedKeepsTheDirectMappingAndIsNamed) {
  const struct { const char* what; int firstYear; double stepHours; } cases[] = {
      {"too few samples", 2026, 1000}, {"years the tables do not hold", 2025, 6}};
  for (const auto& c : cases) {
    ConversionOptions options = quickFit();
    options.fitFirstYear = c.firstYear;
    options.fitStepHours = c.stepHours;
    const Conversion conversion = ConvertTcdData(handMadeData(), options, fixedZones);
    EXPECT_EQ(conversion.summary.directKept, 4) << c.what;
    ASSERT_EQ(conversion.summary.notFitted.size(), 4u) << c.what;
    EXPECT_TRUE(conversion.summary.notFitted[0].starts_with("Portland - Casco Bay - Maine: ")) << c.what;
    for (const ConvertedPort& port : conversion.ports)
      EXPECT_EQ(port.stored.amplitude, AsStored(port.direct).amplitude) << c.what;
    EXPECT_NE(SummaryText(conversion.summary).find("not fitted, the direct mapping kept: 4"), std::string::npos);
  }
}

// One conversion: what is skipped and counted, how the index, databases and
// difference files hang together, and that they load with the program's readers.
TEST(Conversion, SkipsCountsAndWritesFilesThatHangTogether) {
  const Conversion c = ConvertTcdData(handMadeData(), quickFit(), fixedZones);
  const ConversionSummary& s = c.summary;
  // Read, written, lacking S2, zone guessed (Nowhere/Land: the nautical zone of 70 W), fitted or direct;
  // subordinates read, written, without reference, refused; current stations; notes.
  EXPECT_EQ((std::array{s.referencesRead, s.portsWritten, s.skippedMissingConstituents, s.zonesGuessed,
                        s.fittedKept + s.directKept, s.subordinatesRead, s.secondaryPortsWritten,
                        s.skippedNoReference, s.skippedSecondary, s.currentStations, int(s.notes.size())}),
            (std::array{5, 4, 1, 1, 4, 4, 2, 1, 1, 7, 3}));
  const std::string text = SummaryText(s);
  EXPECT_NE(text.find("1 lacking M2, S2, K1 or O1"), std::string::npos) << text;
  const auto nowhere = std::ranges::find(c.ports, std::string("Nowhere Point - Maine"), &ConvertedPort::name);
  ASSERT_NE(nowhere, c.ports.end());
  EXPECT_EQ(nowhere->stored.zoneHoursWest, 5);

  const ProgramFolderContents& f = c.folder;
  EXPECT_EQ(f.index.databaseNames, (std::vector<std::string>{"NewEngland.tid", "PacificIslands.tid"}));
  ASSERT_EQ(f.index.entries.size(), 4u);
  for (std::size_t j = 0; j < f.index.entries.size(); ++j) {
    const LocationIndexEntry& entry = f.index.entries[j];
    const auto& lines = f.tideFiles.at(static_cast<std::size_t>(entry.databaseNumber)).lines;
    const LocationRecord record = ParseLocationLine(lines.at(static_cast<std::size_t>(entry.locationNumber)));
    EXPECT_EQ(record.portName, entry.LocationName);
    EXPECT_EQ(c.ports[j].indexNumber, static_cast<int>(j));
  }
  const auto guam =
      std::ranges::find(f.index.entries, std::string("Apra Harbor - Guam"), &LocationIndexEntry::LocationName);
  ASSERT_NE(guam, f.index.entries.end());
  EXPECT_NEAR(guam->longitude, 144.65 * 0.017453292519943278, 1e-12);
  EXPECT_EQ(ParseLocationLine(f.tideFiles[1].lines[0]).portZone, "-10");

  ASSERT_EQ(f.differenceFiles.size(), 1u);
  for (const DifferenceRecord& r : f.differenceFiles[0].records) {
    ASSERT_LT(r.referencePort, static_cast<int>(f.index.entries.size()));
    const std::string& reference = f.index.entries[static_cast<std::size_t>(r.referencePort)].LocationName;
    EXPECT_EQ(reference, r.name.starts_with("Falmouth") ? "Portland - Casco Bay - Maine"
                                                        : "Boston - Boston Harbor - Massachusetts");
  }
  EXPECT_TRUE(f.streamFiles.empty());  // no current stations in this file

  saltmark::test::TempDir dir;
  ASSERT_TRUE(WriteProgramFolder(dir.path(), f));
  const TideDatabaseContents db = ReadTideDatabaseFile(dir / "NewEngland.tid");
  EXPECT_TRUE(db.signature.starts_with("Saltmark 100"));
  EXPECT_NE(db.signature.find("NOT FOR NAVIGATION"), std::string::npos);
  EXPECT_EQ(db.locationLines, f.tideFiles[0].lines);
  EXPECT_EQ(ReadLocationIndexFile(dir / "SALTMARK.IND"), f.index);
  EXPECT_EQ(DifferenceFile::read(dir / "NewEngland.dif"), f.differenceFiles[0].records);
}

TEST(Conversion, ARefusedFileLeavesTheFolderAsItWas) {
  ProgramFolderContents contents;
  contents.signature = "Saltmark 100";
  contents.tideFiles.push_back({"Good.tid", {"A,0"}});
  contents.tideFiles.push_back({"Bad.tid", std::vector<std::string>(702, "B,0")});  // one over the limit
  saltmark::test::TempDir dir;
  saltmark::test::writeFile(dir / "Good.tid", "old");
  const WriteResult written = WriteProgramFolder(dir.path(), contents);
  EXPECT_FALSE(written);
  EXPECT_NE(written.error.find("nothing written"), std::string::npos) << written.error;
  EXPECT_EQ(saltmark::test::readFile(dir / "Good.tid"), "old");
  EXPECT_FALSE(std::filesystem::exists(dir / "SALTMARK.IND"));
}

}  // namespace
}  // namespace saltmark::tcd
