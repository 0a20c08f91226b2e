#include "graphs/SkyShading.h"

#include <algorithm>

namespace saltmark {
namespace {

constexpr int kColumns = 960;

int columnOf(const GraphGrid& grid, DateTime instant) {
  const DateTime first = GraphXToTime(grid, 0), last = GraphXToTime(grid, kColumns);
  if (instant < first) return 0;
  if (last < instant) return kColumns;
  return std::clamp(static_cast<int>(TimeToGraphX(grid, instant)), 0, kColumns);
}

}  // namespace

Colour NightShadeColour(bool colour) { return colour ? Colour{0x502820} : Colour{0xD8D8D8}; }

std::vector<std::pair<int, int>> NightColumns(const GraphGrid& grid, const std::vector<SkyEvent>& events) {
  std::vector<std::pair<int, int>> spans;
  int nightFrom = -1;  // the column where the night began, -1 by day
  bool seenSun = false;
  for (const SkyEvent& e : events) {
    if (e.kind == SkyEventKind::Sunset) {
      nightFrom = columnOf(grid, e.gmt);
      seenSun = true;
    } else if (e.kind == SkyEventKind::Sunrise) {
      const int from = nightFrom >= 0 ? nightFrom : (seenSun ? -1 : 0);
      if (from >= 0) spans.emplace_back(from, columnOf(grid, e.gmt));
      nightFrom = -1;
      seenSun = true;
    }
  }
  if (nightFrom >= 0) spans.emplace_back(nightFrom, kColumns);
  std::erase_if(spans, [](const auto& s) { return s.second <= s.first; });
  return spans;
}

const char* MoonMarkLabel(SkyEventKind kind) {
  switch (kind) {
    case SkyEventKind::NewMoon: return "New Moon";
    case SkyEventKind::FirstQuarter: return "First Qtr";
    case SkyEventKind::FullMoon: return "Full Moon";
    case SkyEventKind::LastQuarter: return "Last Qtr";
    default: return "";
  }
}

void DrawNightBands(DrawingSurface& surface, const GraphGrid& grid, const std::vector<SkyEvent>& events, double top,
                    double bottom, bool colour) {
  surface.setColour(NightShadeColour(colour));
  for (const auto& [from, to] : NightColumns(grid, events)) surface.fill(from, top, to, bottom);
}

void DrawMoonMarks(DrawingSurface& surface, const GraphGrid& grid, const std::vector<SkyEvent>& events, double top,
                   double bottom, Colour labels) {
  surface.setColour(labels);
  const double tick = (top - bottom) * 0.04;
  for (const SkyEvent& e : events) {
    if (!IsMoonPhase(e.kind)) continue;
    const int x = columnOf(grid, e.gmt);
    if (x <= 0 || x >= kColumns) continue;
    surface.line(x, bottom, x, bottom + tick);
    surface.text(x + 2, bottom + 2 * tick, MoonMarkLabel(e.kind));
  }
}

}  // namespace saltmark
