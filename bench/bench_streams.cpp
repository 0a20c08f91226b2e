// The stream engine: a 50-day stream graph run over three stations, and a
// year of 6-minute samples at one station.
#include <benchmark/benchmark.h>

#include "BenchFolder.h"
#include "cli/StreamState.h"
#include "graphs/StreamGraphRun.h"
#include "platform/ScriptedPlatform.h"

namespace saltmark {
namespace {

// The state a stream prediction reads, on the benchmark folder.
struct StreamRun {
  StreamRun(const bench::BenchFolder& folder, int stationCount) : state(settings, platform, folder.path()) {
    if (!state.locationIndex.LoadLocationIndex(folder.path(), platform)) throw std::runtime_error("index");
    for (int k = 0; k < stationCount; ++k) {
      state.streamTable.records[k] = bench::benchStation(40 * k);
      state.stations.selectedStations[k] = static_cast<std::int16_t>(k);
      state.stations.stationWeights[k] = 100.0F / static_cast<float>(stationCount);
    }
    state.stations.count = stationCount;
    state.stations.weighted = true;
    if (!LoadReferencePort(state.context, 0)) throw std::runtime_error("reference port");
  }

  ScriptedPlatform platform;
  Settings settings;
  StreamState state;
};

void BM_FiftyDayStreamGraphThreeStations(benchmark::State& state) {
  bench::BenchFolder folder(1);
  StreamRun run(folder, 3);
  const DateTime origin = DateTime::fromCivil(2026, 3, 1);
  constexpr std::int32_t kSecondsPerColumn = 50 * 86400 / kGraphColumns;
  std::array<float, kGraphValues> rates{};
  std::array<std::int16_t, kGraphValues> directions{};
  SilentProgress progress;
  for (auto _ : state) {
    if (RunStreamGraph(run.state.context, origin, kSecondsPerColumn, rates, directions, progress) != JobOutcome::Completed)
      state.SkipWithError("the stream graph run failed");
    benchmark::DoNotOptimize(rates.data());
  }
}
BENCHMARK(BM_FiftyDayStreamGraphThreeStations)->Unit(benchmark::kMillisecond);

void BM_YearOfSixMinuteStreamSamples(benchmark::State& state) {
  bench::BenchFolder folder(1);
  StreamRun run(folder, 1);
  const DateTime start = DateTime::fromCivil(2026, 1, 1);
  for (auto _ : state) {
    float sum = 0;
    for (int i = 0; i < 365 * 240; ++i) {
      const auto stream = StreamSumAtInstant(run.state.context, start.addMinutes(6.0 * i));
      if (stream) sum += stream->rate;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_YearOfSixMinuteStreamSamples)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace saltmark
