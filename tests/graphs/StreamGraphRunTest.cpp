// A stream graph run over several stations gives the columns of each station
// filled on its own, although it keeps the high-water pairs its first station
// found for the others on the same port; a station on a port in another zone
// is taken in its own port's cycle and time base.
#include <gtest/gtest.h>

#include "cli/StreamState.h"
#include "data/LocationIndexFile.h"
#include "data/TideDatabaseFile.h"
#include "graphs/StreamGraphModel.h"
#include "graphs/StreamGraphRun.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

std::string portLine(const std::string& name, const std::string& m2Phase, const std::string& zone) {
  std::string line =
      name + "," + zone + ",50,48,N,1,7,W,0.1," + m2Phase + ",1.5,160,0.5,20,0.1,200,0.08,300,0.02,40,0.004";
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

// The chosen stations of a stream table holding a station on Home (record
// 0), one on Away, five hours off in zone and a quarter-cycle in phase (1),
// and a second on Home (2), each with the weight given.
struct StationsRun {
  StationsRun(const std::filesystem::path& folder, const std::vector<std::int16_t>& records, float weight)
      : state(settings, platform, folder) {
    EXPECT_TRUE(state.locationIndex.LoadLocationIndex(folder, platform));
    state.streamTable.records[0] = station(0, 0);
    state.streamTable.records[1] = station(1, 150);
    state.streamTable.records[2] = station(0, 120);
    state.stations.count = static_cast<int>(records.size());
    for (std::size_t k = 0; k < records.size(); ++k) {
      state.stations.selectedStations[k] = records[k];
      state.stations.stationWeights[k] = weight;
    }
    state.stations.weighted = true;
  }
  ScriptedPlatform platform;
  Settings settings;
  StreamState state;
};

class StreamGraphRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteTideDatabaseFile(folder / "T.tid", "Saltmark 100", {},
                                      {portLine("Home", "120", "0"), portLine("Away", "210", "5")}));
    LocationIndexContents index{.databaseNames = {"T.tid"},
                                .entries = {{0, 0, "Home", 0.88, -0.02}, {0, 1, "Away", 0.70, 1.2}}};
    ASSERT_TRUE(WriteLocationIndexFile(folder / "SALTMARK.IND", index));
  }
  test::TempDir folder;
  const DateTime shown = DateTime::fromCivil(2026, 4, 2, 3, 0);
};

// A run on Away alone is in Away's time base. Two stations on Home around one
// on Away: the run's columns are those of each station filled on its own,
// exactly, and the table's sum at each column's instant to within a
// hundredth of a knot and a degree.
TEST_F(StreamGraphRunTest, TimeBaseOfTheReferencePortAndKeptPairsGiveTheColumnsOfSeparateSearchesAndOfTheTable) {
  StationsRun away(folder.path(), {1}, 100);
  ASSERT_TRUE(LoadReferencePort(away.state.context, 0));  // a tide port in another zone is current
  const auto start = StreamRunInstant(away.state.context, shown);
  ASSERT_TRUE(start);
  EXPECT_NEAR(minutesBetween(shown, *start), -300, 0.01);  // Away keeps GMT - 5 hours
  EXPECT_EQ(away.state.location.portName, "Away");

  constexpr std::int32_t kSecondsPerColumn = 3 * 86400 / kGraphColumns;
  RateColumns rates{};
  DirectionColumns directions{};
  StreamComponentColumns columns;
  SilentProgress progress;
  StationsRun together(folder.path(), {0, 1, 2}, 100.0F / 3), apart(folder.path(), {0, 1, 2}, 100.0F / 3);
  const DateTime origin = *StreamRunInstant(together.state.context, shown);
  ASSERT_EQ(RunStreamGraph(together.state.context, origin, kSecondsPerColumn, rates, directions, progress),
            JobOutcome::Completed);
  for (int k = 0; k < 3; ++k)
    ASSERT_EQ(FillStreamColumns(apart.state.context, k, origin, kSecondsPerColumn, columns, progress),
              JobOutcome::Completed);
  for (int x = 0; x < kGraphColumns; ++x) {
    const RateDirection expected = ComponentsToRateDirection(columns.east[x], columns.north[x]);
    ASSERT_EQ(rates[x], expected.rate) << "column " << x;
    ASSERT_EQ(directions[x], expected.direction) << "column " << x;
  }
  EXPECT_EQ(together.state.location.portName, apart.state.location.portName);  // the last station's port stays

  for (int x = 0; x < kGraphColumns; x += 20) {
    const DateTime t = shown.addSeconds(static_cast<double>(x) * kSecondsPerColumn);
    const auto sum = StreamSumAtInstant(together.state.context, *StreamRunInstant(together.state.context, t));
    ASSERT_TRUE(sum) << x;
    ASSERT_NEAR(rates[x], sum->rate, 0.01) << "column " << x;
    const int turn = ((directions[x] - sum->direction) % 360 + 540) % 360 - 180;
    if (sum->rate > 0.05) {
      ASSERT_LE(std::abs(turn), 1) << "column " << x;
    }
  }
  EXPECT_TRUE(together.platform.messages.empty());
}

}  // namespace
}  // namespace saltmark
