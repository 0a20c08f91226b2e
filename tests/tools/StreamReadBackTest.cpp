// The bundled stream databases read back through the program's own loader
// and engine give the streams the converter predicted for them (listed by
// the build in stream-check.tsv: file, station, instant in the reference
// port's time, rate in knots, direction).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
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
    std::string when, rate, direction;
    std::getline(fields, e.file, '\t');
    std::getline(fields, e.station, '\t');
    std::getline(fields, when, '\t');
    std::getline(fields, rate, '\t');
    std::getline(fields, direction, '\t');
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    if (std::sscanf(when.c_str(), "%d-%d-%d %d:%d", &y, &mo, &d, &h, &mi) != 5) continue;
    e.instant = DateTime::fromCivil(y, mo, d, h, mi);
    e.rate = std::stod(rate);
    e.direction = std::stoi(direction);
    out.push_back(std::move(e));
  }
  return out;
}

// saltmark-cli stream for one station at one instant (GMT): its rate, or
// nothing when the command cannot be run.
std::optional<double> cliRate(const fs::path& dir, const fs::path& vel, const std::string& station, DateTime gmt) {
  const fs::path cli = dir / "saltmark-cli";
  if (!fs::exists(cli)) return std::nullopt;
  const CivilDateTime c = gmt.civil();
  char start[32];
  std::snprintf(start, sizeof start, "%04d-%02d-%02d %02d:%02d", c.year, c.month, c.day, c.hour, c.minute);
  std::string quoted;
  for (char ch : station) quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  const std::string command = cli.string() + " stream '" + vel.string() + "' '" + quoted + "' --start '" + start +
                              "' --days 0.01 --step 60 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  char line[256] = {};
  const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
  pclose(pipe);
  if (!read) return std::nullopt;
  const char* rate = std::strchr(line, '\t');
  return rate ? std::optional<double>(std::atof(rate + 1)) : std::nullopt;
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
  std::size_t compared = 0, throughCli = 0;
  for (const Expected& e : expected) {
    auto& records = files[e.file];
    if (records.empty()) records = ReadStreamFile(dir / e.file);
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
    // Now and then the same through the command line, typed in GMT.
    const bool plainName = std::ranges::all_of(e.station, [](char ch) { return static_cast<unsigned char>(ch) < 128; });
    if (compared % 97 == 0 && plainName) {
      const auto zone = ReferencePortZone(state.context, 0);
      ASSERT_TRUE(zone);
      const DateTime gmt = e.instant.addMinutes(60 * std::stod(*zone));
      if (const auto rate = cliRate(dir, dir / e.file, e.station, gmt)) {
        EXPECT_NEAR(*rate, e.rate, 0.01) << "saltmark-cli stream " << e.station;
        ++throughCli;
      }
    }
    ++compared;
  }
  EXPECT_EQ(compared, expected.size());
  if (fs::exists(dir / "saltmark-cli")) {
    EXPECT_GT(throughCli, 5u);
  }
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace saltmark
