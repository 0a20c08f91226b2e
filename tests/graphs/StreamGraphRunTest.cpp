// A stream graph run over several stations gives the same columns as filling
// each station on its own, although it keeps the high-water pairs its first
// station found for the others on the same port; stations on ports in other
// zones are each taken in their own port's cycle and time base.
#include <gtest/gtest.h>

#include <memory>

#include "cli/StreamState.h"
#include "data/LocationIndexFile.h"
#include "data/TideDatabaseFile.h"
#include "graphs/StreamGraphRun.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

std::string portLine(const std::string& name, const std::string& m2Phase, const std::string& zone = "0") {
  std::string line = name + "," + zone + ",50,48,N,1,7,W,0.1," + m2Phase + ",1.5,160,0.5,20,0.1,200,0.08,300,0.02,40,0.004";
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

// Two stations on ports five hours apart in zone and a quarter-cycle apart
// in phase: each is placed in its own port's cycle and time base, so the
// table's sum and the graph's columns are the stations computed alone and
// added, whichever port was current before.
struct TwoZones : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(WriteTideDatabaseFile(folder / "T.tid", "Saltmark 100", {},
                                      {portLine("Home", "120"), portLine("Away", "210", "5")}));
    LocationIndexContents index;
    index.databaseNames = {"T.tid"};
    index.entries = {{0, 0, "Home", 0.88, -0.02}, {0, 1, "Away", 0.70, 1.2}};
    ASSERT_TRUE(WriteLocationIndexFile(folder / "SALTMARK.IND", index));
  }
  // Stations on the ports given, weighted equally; records 0 and 1 are a
  // station on each port.
  std::unique_ptr<StationsRun> run(std::vector<std::int16_t> records) {
    auto r = std::make_unique<StationsRun>(folder.path());
    r->state.streamTable.records[0] = station(0, 0);
    r->state.streamTable.records[1] = station(1, 150);
    for (std::size_t k = 0; k < records.size(); ++k) {
      r->state.stations.selectedStations[k] = records[k];
      r->state.stations.stationWeights[k] = 100.0F / static_cast<float>(records.size());
    }
    r->state.stations.count = static_cast<int>(records.size());
    return r;
  }
  test::TempDir folder;
};

TEST_F(TwoZones, TheRunTakesTheTimeBaseOfItsStationsReferencePort) {
  auto away = run({1});
  ASSERT_TRUE(LoadReferencePort(away->state.context, 0));  // a tide port in another zone is current
  const DateTime shown = DateTime::fromCivil(2026, 4, 2, 3, 0);
  const auto start = StreamRunInstant(away->state.context, shown);
  ASSERT_TRUE(start);
  EXPECT_NEAR(minutesBetween(shown, *start), -300, 0.01);  // Away keeps GMT - 5 hours
  EXPECT_EQ(away->state.location.portName, "Away");
}

TEST_F(TwoZones, EachStationKeepsItsOwnPortsCycle) {
  auto both = run({0, 1});
  auto home = run({0});
  auto away = run({1});
  for (auto* r : {home.get(), away.get()}) r->state.stations.stationWeights[0] = 50;
  const DateTime shown = DateTime::fromCivil(2026, 4, 2, 3, 0);
  constexpr std::int32_t kSecondsPerColumn = 2 * 86400 / kGraphColumns;

  // The table's instants, every 20 minutes over two days.
  for (int step = 0; step < 144; ++step) {
    const DateTime t = shown.addMinutes(20.0 * step);
    const auto sum = StreamSumAtInstant(both->state.context, *StreamRunInstant(both->state.context, t));
    const auto a = StreamAtInstant(home->state.context, 0, *StreamRunInstant(home->state.context, t));
    const auto b = StreamAtInstant(away->state.context, 0, *StreamRunInstant(away->state.context, t));
    ASSERT_TRUE(sum && a && b) << step;
    const RateDirection alone = ComponentsToRateDirection(a->east + b->east, a->north + b->north);
    ASSERT_NEAR(sum->rate, alone.rate, 1e-4) << step;
    if (alone.rate > 0.05) {
      ASSERT_NEAR(sum->direction, alone.direction, 1) << step;
    }
  }

  // The graph from the same origin, for a fresh run.
  auto graph = run({0, 1});
  std::array<float, kGraphValues> rates{};
  std::array<std::int16_t, kGraphValues> directions{};
  SilentProgress progress;
  ASSERT_EQ(RunStreamGraph(graph->state.context, *StreamRunInstant(graph->state.context, shown), kSecondsPerColumn,
                           rates, directions, progress),
            JobOutcome::Completed);
  StreamComponentColumns columns;
  ASSERT_EQ(FillStreamColumns(home->state.context, 0, *StreamRunInstant(home->state.context, shown),
                              kSecondsPerColumn, columns, progress),
            JobOutcome::Completed);
  ASSERT_EQ(FillStreamColumns(away->state.context, 0, *StreamRunInstant(away->state.context, shown),
                              kSecondsPerColumn, columns, progress),
            JobOutcome::Completed);
  for (int x = 0; x < kGraphColumns; x += 7) {
    const RateDirection alone = ComponentsToRateDirection(columns.east[x], columns.north[x]);
    ASSERT_NEAR(rates[x], alone.rate, 1e-4) << "column " << x;
  }
  // and each column is the table's sum at the column's instant (to within a
  // hundredth of a knot and a degree: the graph keeps its high-water pairs).
  for (int x = 0; x < kGraphColumns; x += 20) {
    const DateTime t = shown.addSeconds(static_cast<double>(x) * kSecondsPerColumn);
    const auto sum = StreamSumAtInstant(graph->state.context, *StreamRunInstant(graph->state.context, t));
    ASSERT_TRUE(sum) << x;
    ASSERT_NEAR(rates[x], sum->rate, 0.01) << "column " << x;
    const int turn = ((directions[x] - sum->direction) % 360 + 540) % 360 - 180;
    if (sum->rate > 0.05) {
      ASSERT_LE(std::abs(turn), 1) << "column " << x;
    }
  }
  EXPECT_TRUE(both->platform.messages.empty());
}

}  // namespace
}  // namespace saltmark
