// The height engine: one PredictHeight along a run and at scattered
// instants, and a year of 6-minute samples as a year-long table asks for them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "BenchPorts.h"
#include "engine/TideEngine.h"
#include "tables/ListingText.h"
#include "tables/ZoneShift.h"

namespace saltmark {
namespace {

void BM_PredictHeight(benchmark::State& state) {
  bench::BusyPortEngine busy;
  TideEngine& engine = busy.engine;
  DateTime t = DateTime::fromCivil(2026, 1, 1);
  for (auto _ : state) {
    engine.PredictHeight(t);
    benchmark::DoNotOptimize(engine.tideHeight());
    t = t.addMinutes(6);
  }
}
BENCHMARK(BM_PredictHeight);

// Instants with no common step (a cursor dragged about, a search that
// halves its interval): none is worked out ahead.
void BM_PredictHeightAtScatteredInstants(benchmark::State& state) {
  bench::BusyPortEngine busy;
  TideEngine& engine = busy.engine;
  const DateTime start = DateTime::fromCivil(2026, 1, 1);
  std::uint32_t next = 1;
  for (auto _ : state) {
    next = next * 1664525U + 1013904223U;  // a new minute of the year each time
    engine.PredictHeight(start.addMinutes(static_cast<double>(next % (365U * 1440U))));
    benchmark::DoNotOptimize(engine.tideHeight());
  }
}
BENCHMARK(BM_PredictHeightAtScatteredInstants);

void BM_YearOfSixMinuteSamples(benchmark::State& state) {
  bench::BusyPortEngine busy;
  TideEngine& engine = busy.engine;
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

// The same year as `saltmark-cli heights --step 6` lists it: each instant
// moved into the port's time base, the height predicted, the line formatted
// into one buffer and the buffer written out. Compare with the one above.
void BM_YearOfSixMinuteSamplesListed(benchmark::State& state) {
  bench::BusyPortEngine busy;
  const Settings& settings = busy.settings;
  TideEngine& engine = busy.engine;
  const DateTime start = DateTime::fromCivil(2026, 1, 1);
  FILE* sink = std::fopen("/dev/null", "w");
  std::string out;
  const double shiftMinutes = 15.0 * DisplayZoneShiftQuarters(settings, "0");  // as the command works it out
  for (auto _ : state) {
    out.clear();
    for (int i = 0; i < 365 * 240; ++i) {
      const DateTime listed = start.addMinutes(6.0 * i);
      engine.PredictHeight(listed.addMinutes(shiftMinutes));
      AppendListingInstant(out, listed);
      out += '\t';
      AppendGeneral(out, static_cast<double>(engine.tideHeight()), 9);
      out += '\n';
    }
    if (sink != nullptr) std::fwrite(out.data(), 1, out.size(), sink);
    benchmark::DoNotOptimize(out.data());
  }
  if (sink != nullptr) std::fclose(sink);
}
BENCHMARK(BM_YearOfSixMinuteSamplesListed)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace saltmark
