// A stream graph run over several stations gives the same columns as filling
// each station on its own, although it keeps the high-water pairs its first
// station found for the others on the same port.
#include <gtest/gtest.h>

#include "cli/StreamState.h"
#include "data/LocationIndexFile.h"
#include "data/TideDatabaseFile.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

std::string portLine(const std::string& name, const std::string& m2Phase) {
  std::string line = name + ",0,50,48,N,1,7,W,0.1," + m2Phase + ",1.5,160,0.5,20,0.1,200,0.08,300,0.02,40,0.004";
  for (int i = 0; i < 34; ++i) line += ",0";
  return line;
}

StreamRecord station(std::int16_t port, int turn) {
  StreamRecord s;
  s.name = "Diamond";
  s.referencePort = port;
  for (int h = 0; h < kStreamHours; ++h) {
    s.direction[h] = static_cast<std::int16_t>((turn + 25 * h) % 360);
    s.springRate[h] = static_cast<std::int16_t>(50 + 15 * h);
    s.neapRate[h] = static_cast<std::int16_t>(20 + 5 * h);
  }
  return s;
}

struct StationsRun {
  explicit StationsRun(const std::filesystem::path& folder) : state(settings, platform, folder) {
    EXPECT_TRUE(state.locationIndex.LoadLocationIndex(folder, platform));
    // Two stations on the first port around one on the second.
    const std::int16_t ports[] = {0, 1, 0};
    for (int k = 0; k < 3; ++k) {
      state.streamTable.records[k] = station(ports[k], 60 * k);
      state.stations.selectedStations[k] = static_cast<std::int16_t>(k);
      state.stations.stationWeights[k] = 100.0F / 3;
    }
    state.stations.count = 3;
    state.stations.weighted = true;
  }
  ScriptedPlatform platform;
  Settings settings;
  StreamState state;
};

TEST(StreamGraphRun, KeptPairsGiveTheColumnsOfSeparateSearches) {
  test::TempDir folder;
  ASSERT_TRUE(WriteTideDatabaseFile(folder / "T.tid", "Saltmark 100", {},
                                    {portLine("First", "120"), portLine("Second", "210")}));
  LocationIndexContents index;
  index.databaseNames = {"T.tid"};
  index.entries = {{0, 0, "First", 0.88, -0.02}, {0, 1, "Second", 0.87, -0.03}};
  ASSERT_TRUE(WriteLocationIndexFile(folder / "SALTMARK.IND", index));

  const DateTime origin = DateTime::fromCivil(2026, 4, 2, 3, 0);
  constexpr std::int32_t kSecondsPerColumn = 3 * 86400 / kGraphColumns;

  StationsRun together(folder.path());
  std::array<float, kGraphValues> rates{};
  std::array<std::int16_t, kGraphValues> directions{};
  SilentProgress progress;
  ASSERT_EQ(RunStreamGraph(together.state.context, origin, kSecondsPerColumn, rates, directions, progress),
            JobOutcome::Completed);

  StationsRun apart(folder.path());
  StreamComponentColumns columns;
  for (int k = 0; k < 3; ++k)
    ASSERT_EQ(FillStreamColumns(apart.state.context, k, origin, kSecondsPerColumn, columns, progress),
              JobOutcome::Completed);
  for (int x = 0; x < kGraphColumns; ++x) {
    const RateDirection expected = ComponentsToRateDirection(columns.east[x], columns.north[x]);
    ASSERT_EQ(rates[x], expected.rate) << "column " << x;
    ASSERT_EQ(directions[x], expected.direction) << "column " << x;
  }
  EXPECT_EQ(together.state.location.portName, apart.state.location.portName);  // the last station's port stays current
  EXPECT_TRUE(together.platform.messages.empty());
}

}  // namespace
}  // namespace saltmark
