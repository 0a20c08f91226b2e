#include "graphs/StreamGraphModel.h"

#include <algorithm>
#include <cmath>

#include "common/VbNumbers.h"
#include "tables/StreamText.h"

namespace saltmark {

namespace {

constexpr std::array<int, 16> kSectorPalette = {15, 7, 8, 3, 10, 2, 14, 6, 0, 4, 13, 5, 12, 1, 9, 11};
constexpr std::array<VerticalScale, 6> kStreamZoom = {
    {{0, 40, 10}, {0, 20, 5}, {0, 10, 2}, {0, 4, 1}, {0, 2, 0.5}, {0, 1, 0.2}}};

}  // namespace

int DirectionSector(double degrees) {
  const int sector = CInt(degrees * 2 / 45);
  return sector == 16 ? 0 : sector;
}

Colour DirectionColour(int sector) {
  if (sector < 0 || sector > 15) return kBlack;
  return QBColor(kSectorPalette[static_cast<std::size_t>(sector)]);
}

VerticalScale StreamZoomScale(int level) {
  if (level < 0) level = 0;
  if (level > 5) level = 5;
  return kStreamZoom[static_cast<std::size_t>(level)];
}

int StreamZoomForRates(const RateColumns& rates) {
  float largest = 0;
  for (int x = 0; x < kGraphColumns; ++x) largest = std::max(largest, std::abs(rates[static_cast<std::size_t>(x)]));
  int level = 0;
  for (int next = 1; next < static_cast<int>(kStreamZoom.size()); ++next)
    if (largest <= kStreamZoom[static_cast<std::size_t>(next)].top) level = next;
  return level;
}

Colour ContrastingColour(Colour background) { return background == kBlack ? kWhite : kBlack; }

std::string_view StreamGraticulePattern(double step) { return IsWholeStep(step) ? "#;-#;0" : "#0.0;-#0.0;0"; }

void DrawStreamGraph(DrawingSurface& surface, const StreamGraphDrawing& d) {
  const VerticalScale scale = StreamZoomScale(d.zoomLevel);
  surface.setCoordinateWindow(0, scale.top, kGraphColumns, 0);
  surface.clear(d.background);
  surface.setPenWidth(1);
  surface.setLineStyle(LineStyle::Solid);
  const auto barColour = [&](int x) { return DirectionColour(DirectionSector(d.directions[static_cast<std::size_t>(x)])); };
  for (int x = 0; x < kGraphColumns; ++x) {
    surface.setColour(barColour(x));
    surface.line(x, 0, x, d.rates[static_cast<std::size_t>(x)]);
  }
  // Bars in the picture's own colour: edges where such a stretch begins and ends.
  surface.setColour(d.outline);
  for (int x = 0; x < kGraphColumns; ++x) {
    if (barColour(x) != d.background) continue;
    const bool begins = x == 0 || barColour(x - 1) != d.background;
    const bool ends = x == kGraphColumns - 1 || barColour(x + 1) != d.background;
    if (begins || ends) surface.line(x, 0, x, d.rates[static_cast<std::size_t>(x)]);
  }
  for (int x = 1; x < kGraphColumns; ++x) {
    const auto i = static_cast<std::size_t>(x);
    surface.line(x - 1, d.rates[i - 1], x, d.rates[i]);
  }
  for (const ValueGraticuleLine& line : ValueGraticule(scale, StreamGraticulePattern(scale.step))) {
    surface.setColour(d.graticule);
    surface.line(0, line.value, kGraphColumns, line.value);
    if (line.label) {
      surface.setColour(d.labels);
      surface.text(0, line.value, *line.label);
    }
  }
  if (d.timeGraticule) {
    for (const TimeGraticuleLine& line : TimeGraticule(d.grid)) {
      surface.setColour(d.graticule);
      surface.line(line.x, 0, line.x, scale.top);
      surface.setColour(d.labels);
      surface.text(line.x, scale.top, line.label);
    }
  }
}

void DrawCompassRing(DrawingSurface& surface, Colour background) {
  surface.setCoordinateWindow(-1, 1, 1, -1);
  surface.clear(background);
  surface.setPenWidth(1);
  surface.setLineStyle(LineStyle::Solid);
  for (int a = 0; a <= 360; ++a) {
    const double radians = a * kDegreesToRadians;
    const double x = 0.5 * std::sin(radians), y = 0.5 * std::cos(radians);
    surface.setColour(DirectionColour(DirectionSector(a)));
    surface.line(x, y, 2 * x, 2 * y);
  }
  surface.setColour(ContrastingColour(background));
  for (double radius : {0.5, 1.0}) {
    for (int a = 0; a < 360; ++a) {
      const double from = a * kDegreesToRadians, to = (a + 1) * kDegreesToRadians;
      surface.line(radius * std::sin(from), radius * std::cos(from), radius * std::sin(to), radius * std::cos(to));
    }
  }
}

NeedlePoint NeedleEnd(double degrees) {
  const double radians = degrees * kDegreesToRadians;
  return {0.36 * std::sin(radians), 0.36 * std::cos(radians)};
}

NeedlePoint DrawNeedle(DrawingSurface& surface, NeedlePoint previous, double degrees, Colour background) {
  surface.setCoordinateWindow(-1, 1, 1, -1);
  surface.setPenWidth(1);
  surface.setColour(background);
  surface.line(0, 0, previous.x, previous.y);
  const NeedlePoint next = NeedleEnd(degrees);
  surface.setColour(kGreen);
  surface.line(0, 0, next.x, next.y);
  return next;
}

StreamCursorReadout ShowStreamCursorReadout(const GraphGrid& grid, const RateColumns& rates,
                                            const DirectionColumns& directions, int cursorColumn) {
  const auto c = static_cast<std::size_t>(ClampCursorColumn(cursorColumn));
  StreamCursorReadout readout;
  readout.dateText = GraphXToTimeText(grid, static_cast<double>(c));
  readout.direction = directions[c];
  readout.directionText = FormatDegrees(directions[c]);
  readout.rateText = FormatSpeed(rates[c]);
  return readout;
}

}  // namespace saltmark
