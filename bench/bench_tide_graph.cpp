// Opening a fifty-day tide graph: the column fill from the engine, the
// drawing pass (passage and high/low lists) and the first drawing of the
// picture at 1280 x 800, antialiased as the window draws it.
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "BenchPorts.h"
#include "graphs/TideGraphModel.h"
#include "graphs/gui/GraphImage.h"
#include "platform/ScriptedPlatform.h"
#include "tables/EngineHeightSource.h"
#include "tables/HeightText.h"

namespace saltmark {
namespace {

// The label font needs a GUI application; no screen is needed.
void ensureGuiApplication() {
  static int argc = 1;
  static char name[] = "bench_tide_graph";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication application(argc, argv);
}

void BM_OpenFiftyDayTideGraph(benchmark::State& state) {
  ensureGuiApplication();
  Settings settings;
  settings.graphDays = "50";
  settings.draught = 2.0f;
  settings.chartedDepth = 0.5f;
  ScriptedPlatform platform;
  TideEngine engine(settings);
  engine.setPort(bench::busyPort());
  EngineHeightSource heights(engine);
  DateTime start = DateTime::fromCivil(2026, 1, 1);
  for (auto _ : state) {
    // Each opening plots fifty new days, as paging on through the year does.
    const GraphGrid grid{settings.graphDays, ComputeGraphOrigin(start, settings.graphDays, true)};
    start = start.addDays(50);
    HeightColumns columns{};
    SilentProgress progress;
    FillTideColumns(columns, heights, grid.origin, grid.plotDuration, progress);
    const TidePass pass = ComputeTidePass(TidePassInput{columns, grid, settings.draught, settings.chartedDepth, true},
                                          settings);
    const TideGraphDrawing drawing{columns, grid, kTideGraphStartZoom, true, true,
                                   FormatHeight2(settings.chartedDepth, settings)};
    const QImage picture = RenderGraphPicture(QSize(1280, 800), 1, [&](DrawingSurface& surface) {
      DrawTideGraph(surface, drawing, pass, settings, platform);
    });
    benchmark::DoNotOptimize(picture.constBits());
    benchmark::DoNotOptimize(pass.highLowLines.size());
  }
}
BENCHMARK(BM_OpenFiftyDayTideGraph)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace saltmark
