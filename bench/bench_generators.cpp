// The generators end to end: a year-long high and low water table, text
// included, and one month's web pages for every port of a full database.
#include <benchmark/benchmark.h>

#include "BenchFolder.h"
#include "platform/ScriptedPlatform.h"
#include "publisher/EnginePortHeights.h"
#include "publisher/WebPublisher.h"
#include "tables/EngineHeightSource.h"
#include "tables/TideTableGenerator.h"

namespace saltmark {
namespace {

void BM_YearHighLowTable(benchmark::State& state) {
  bench::BusyPortEngine busy;
  const Settings& settings = busy.settings;
  TideEngine& engine = busy.engine;
  EngineHeightSource heights(engine);
  TideTableRequest request;
  request.start = DateTime::fromCivil(2026, 1, 1);
  request.daysText = "365";
  request.locationText = "Bench Harbour";
  request.zoneName = "GMT";
  ScriptedPlatform platform;
  SilentProgress progress;
  for (auto _ : state) {
    TableTextBuffer text;
    WaterEventCounter events;
    GenerateTideTable(request, heights, TableRun{settings, "0", text, progress, platform, events});
    benchmark::DoNotOptimize(text.text().data());
  }
}
BENCHMARK(BM_YearHighLowTable)->Unit(benchmark::kMillisecond);

// Answers Yes to every page's question.
class YesToEveryPage : public ScriptedPlatform {
 public:
  MessageAnswer message(std::string_view, MessageIcon, MessageButtons buttons, std::string_view) override {
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
  }
};

void BM_PublishOneMonthForEveryPort(benchmark::State& state) {
  bench::BenchFolder folder(701);
  YesToEveryPage platform;
  TideDatabase database;
  if (!database.LoadTideDatabase(folder.database().string(), platform)) {
    state.SkipWithError("cannot load the benchmark database");
    return;
  }
  std::vector<int> locations(database.locationCount());
  for (int i = 0; i < database.locationCount(); ++i) locations[i] = i;
  Settings settings;
  WebPublishRequest request;
  request.start = DateTime::fromCivil(2026, 3, 1);
  request.saveDir = (folder.path() / "web").string();
  request.allLocations = true;
  request.zoneName = "GMT";
  SilentProgress progress;
  FilePageWriter writer;
  for (auto _ : state) {
    EnginePortHeights heights;
    WaterEventCounter events;
    PublishDatabase(request, database, locations, PublishRun{settings, platform, progress, writer, heights, events});
  }
}
BENCHMARK(BM_PublishOneMonthForEveryPort)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace saltmark
