// The height engine: one PredictHeight, and a year of 6-minute samples as a
// year-long table asks for them.
#include <benchmark/benchmark.h>

#include "BenchPorts.h"
#include "engine/TideEngine.h"

namespace saltmark {
namespace {

void BM_PredictHeight(benchmark::State& state) {
  Settings settings;
  TideEngine engine(settings);
  engine.setPort(bench::busyPort());
  DateTime t = DateTime::fromCivil(2026, 1, 1);
  for (auto _ : state) {
    engine.PredictHeight(t);
    benchmark::DoNotOptimize(engine.tideHeight());
    t = t.addMinutes(6);
  }
}
BENCHMARK(BM_PredictHeight);

void BM_YearOfSixMinuteSamples(benchmark::State& state) {
  Settings settings;
  TideEngine engine(settings);
  engine.setPort(bench::busyPort());
  const DateTime start = DateTime::fromCivil(2026, 1, 1);
  for (auto _ : state) {
    float sum = 0;
    for (int i = 0; i < 365 * 240; ++i) {
      engine.PredictHeight(start.addMinutes(6.0 * i));
      sum += engine.tideHeight();
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_YearOfSixMinuteSamples)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace saltmark
