// The bundled program folder as the build made it: every file loads with the
// program's own readers, every index entry leads to its port, every secondary
// and stream station's reference port exists, and the program's own engine
// gives the streams the converter predicted for the stations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "cli/StreamState.h"
#include "common/Version.h"
#include "data/DifferenceFile.h"
#include "data/LocationIndexFile.h"
#include "data/LocationLine.h"
#include "data/StreamFile.h"
#include "data/TideDatabaseFile.h"
#include "editors/DifferenceValues.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

namespace fs = std::filesystem;

TEST(BundledFolder, EveryFileLoadsAndEveryStationLeadsToAPort) {
  const fs::path dir = test::programDir();
  if (dir.empty() || !fs::exists(dir / "SALTMARK.IND")) GTEST_SKIP() << "no bundled data in this build";
  const LocationIndexContents index = ReadLocationIndexFile(dir / "SALTMARK.IND");
  ASSERT_FALSE(index.entries.empty());
  std::vector<TideDatabaseContents> databases;
  std::size_t lines = 0;
  for (const std::string& name : index.databaseNames) {
    databases.push_back(ReadTideDatabaseFile(dir / name));
    EXPECT_TRUE(databases.back().signature.starts_with(kVersionString)) << name;
    lines += databases.back().locationLines.size();
  }
  EXPECT_EQ(lines, index.entries.size()) << "every port is in the index once";
  for (const LocationIndexEntry& entry : index.entries) {
    ASSERT_GE(entry.databaseNumber, 0);
    ASSERT_LT(entry.databaseNumber, static_cast<int>(databases.size()));
    const auto& db = databases[static_cast<std::size_t>(entry.databaseNumber)];
    ASSERT_LT(entry.locationNumber, static_cast<int>(db.locationLines.size())) << entry.LocationName;
    const LocationRecord port = ParseLocationLine(db.locationLines[static_cast<std::size_t>(entry.locationNumber)]);
    EXPECT_EQ(port.portName, entry.LocationName);
    EXPECT_FALSE(port.harmonic[2].empty()) << entry.LocationName;
  }
  const std::set<std::string> indexed(index.databaseNames.begin(), index.databaseNames.end());
  const int ports = static_cast<int>(index.entries.size());
  const auto isPort = [&](int reference) { return reference >= 0 && reference < ports; };
  std::size_t secondaries = 0, streams = 0;
  for (const auto& item : fs::directory_iterator(dir)) {
    const fs::path& file = item.path();
    if (file.extension() == ".tid") {
      EXPECT_TRUE(indexed.count(file.filename().string())) << file;
    }
    if (file.extension() == ".dif") {
      const auto records = DifferenceFile::read(file);
      EXPECT_FALSE(records.empty()) << file;
      secondaries += records.size();
      for (const DifferenceRecord& r : records) {
        EXPECT_TRUE(isPort(r.referencePort)) << r.name;
        EXPECT_FALSE(DifferenceCombinationProblem(r.diffText)) << r.name << " in " << file;
      }
    }
    if (file.extension() == ".vel") {
      const auto records = StreamFile::read(file);
      EXPECT_FALSE(records.empty()) << file;
      streams += records.size();
      for (const StreamRecord& r : records) {
        EXPECT_TRUE(isPort(r.referencePort)) << r.name;
        EXPECT_EQ(r.name.find("not real data"), std::string::npos) << r.name;
        for (int j = 0; j < kStreamHours; ++j)
          EXPECT_TRUE(r.springRate[j] >= 0 && r.neapRate[j] >= 0 && r.direction[j] < 360) << r.name << j;
      }
    }
  }
  EXPECT_GT(secondaries, 0u);
  EXPECT_GT(streams, 300u);
  EXPECT_FALSE(fs::exists(dir / "SAMPLE.vel"));
}

// The build lists the converter's predictions in stream-check.tsv beside the
// converter: file, station, instant in the reference port's time, rate in
// knots, direction. The program's loader and engine must give the same.
TEST(BundledStreams, TheProgramReproducesTheConvertersStreams) {
  const fs::path dir = test::programDir();
  const fs::path check = dir.parent_path() / "tools" / "tcd2saltmark" / "stream-check.tsv";
  if (dir.empty() || !fs::exists(check)) GTEST_SKIP() << "no bundled streams in this build";
  ScriptedPlatform platform;
  Settings settings;  // knots
  StreamState state(settings, platform, dir);
  ASSERT_TRUE(state.locationIndex.LoadLocationIndex(dir, platform));
  std::map<std::string, std::vector<StreamRecord>> files;
  std::ifstream in(check);
  int checked = 0;
  for (std::string line; std::getline(in, line);) {
    std::stringstream fields(line);
    std::string file, station, when;
    std::getline(fields, file, '\t');
    std::getline(fields, station, '\t');
    std::getline(fields, when, '\t');
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, direction = 0;
    double rate = 0;
    if (std::sscanf(when.c_str(), "%d-%d-%d %d:%d", &y, &mo, &d, &h, &mi) != 5 || !(fields >> rate >> direction))
      continue;
    auto& records = files[file];
    if (records.empty()) records = StreamFile::read(dir / file);
    const auto named = std::ranges::find(records, station, &StreamRecord::name);
    ASSERT_NE(named, records.end()) << station << " in " << file;
    state.streamTable.records[0] = *named;
    state.stations.selectedStations[0] = 0;
    state.stations.stationWeights[0] = 100;
    state.stations.count = 1;
    const auto stream = StreamSumAtInstant(state.context, DateTime::fromCivil(y, mo, d, h, mi));
    ASSERT_TRUE(stream) << station;
    EXPECT_NEAR(stream->rate, rate, 0.01) << station;
    if (rate > 0.1) {
      EXPECT_EQ(stream->direction, direction) << station;
    }
    ++checked;
  }
  EXPECT_GT(checked, 1000);
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace saltmark
