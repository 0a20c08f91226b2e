// The bundled stream databases read back through the program's own loader
// and engine give the streams the converter predicted for them (listed by
// the build in stream-check.tsv: file, station, instant in the reference
// port's time, rate in knots, direction).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/StreamState.h"
#include "data/StreamFile.h"
#include "platform/ScriptedPlatform.h"
#include "support/TestSupport.h"

namespace saltmark {
namespace {

namespace fs = std::filesystem;

struct Expected {
  std::string file, station;
  DateTime instant;
  double rate = 0;
  int direction = 0;
};

std::vector<Expected> readCheckFile(const fs::path& path) {
  std::vector<Expected> out;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    std::stringstream fields(line);
    Expected e;
    std::string when;
    std::getline(fields, e.file, '\t');
    std::getline(fields, e.station, '\t');
    std::getline(fields, when, '\t');
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    if (std::sscanf(when.c_str(), "%d-%d-%d %d:%d", &y, &mo, &d, &h, &mi) != 5) continue;
    e.instant = DateTime::fromCivil(y, mo, d, h, mi);
    if (fields >> e.rate >> e.direction) out.push_back(std::move(e));
  }
  return out;
}

TEST(BundledStreams, TheProgramReproducesTheConvertersStreams) {
  const fs::path dir = test::programDir();
  // The build writes the check beside the converter, under the build folder.
  const fs::path check = dir.parent_path() / "tools" / "tcd2saltmark" / "stream-check.tsv";
  if (dir.empty() || !fs::exists(check)) GTEST_SKIP() << "no bundled streams in this build";
  const std::vector<Expected> expected = readCheckFile(check);
  ASSERT_GT(expected.size(), 1000u);

  ScriptedPlatform platform;
  Settings settings;  // knots
  StreamState state(settings, platform, dir);
  ASSERT_TRUE(state.locationIndex.LoadLocationIndex(dir, platform));
  std::map<std::string, std::vector<StreamRecord>> files;
  for (const Expected& e : expected) {
    auto& records = files[e.file];
    if (records.empty()) records = StreamFile::read(dir / e.file);
    const auto named = std::ranges::find(records, e.station, &StreamRecord::name);
    ASSERT_NE(named, records.end()) << e.station << " in " << e.file;
    state.streamTable.records[0] = *named;
    state.stations.selectedStations[0] = 0;
    state.stations.stationWeights[0] = 100;
    state.stations.count = 1;
    const auto stream = StreamSumAtInstant(state.context, e.instant);
    ASSERT_TRUE(stream) << e.station;
    EXPECT_NEAR(stream->rate, e.rate, 0.01) << e.station;
    if (e.rate > 0.1) {
      EXPECT_EQ(stream->direction, e.direction) << e.station;
    }
  }
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace saltmark
