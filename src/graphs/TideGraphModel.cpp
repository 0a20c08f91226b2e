#include "graphs/TideGraphModel.h"

#include <array>

#include "graphs/SkyShading.h"
#include "tables/HeightText.h"
#include "tables/TimeText.h"
#include "tables/WaterDetectors.h"

namespace saltmark {

namespace {

constexpr int kFirstPassColumn = 1;
constexpr int kLastPassColumn = kGraphColumns - 2;  // 958: two computed columns follow it

constexpr std::array<VerticalScale, 6> kTideZoom = {{
    {-10, 40, 10}, {-5, 20, 5}, {-2, 10, 2}, {-1, 5, 1}, {-0.5, 2, 0.5}, {-0.2, 1, 0.2}}};

void AddPassageEntry(TidePass& pass, const GraphGrid& grid, int x, std::string_view text) {
  if (pass.passageLines.size() >= kGraphListLimit) return;
  pass.passageLines.push_back(GraphXToTimeText(grid, x) + " " + std::string(text) + " ");
}

void AddHighLowEntry(TidePass& pass, const TidePassInput& in, int x, float height, float clearance,
                     std::string_view label, const Settings& settings) {
  if (pass.highLowLines.size() >= kGraphListLimit) return;
  pass.highLowPoints.push_back({x, height});
  const std::string heightText = FormatHeight2(height, settings) + " ";
  const std::string clearanceText = FormatHeight2(clearance, settings) + " ";
  std::string line = GraphXToTimeText(in.grid, x) + " " + std::string(label) + ":" + heightText;
  if (in.draught != 0) line += "UKC:" + clearanceText;
  pass.highLowLines.push_back(std::move(line));
  pass.highLowList.push_back({std::string(label), GraphXToTime(in.grid, x), heightText, clearanceText});
}

}  // namespace

JobOutcome FillTideColumns(HeightColumns& columns, TideHeightSource& heights, DateTime engineOrigin,
                           std::string_view plotDuration, JobProgress& progress) {
  const std::int32_t seconds = SecondsPerColumn(plotDuration);
  for (int x = 0; x < kGraphColumns; ++x) {
    if (progress.cancelRequested()) return JobOutcome::Cancelled;
    progress.DrawProgress(x, kGraphColumns);
    columns[static_cast<std::size_t>(x)] = heights.heightAt(ColumnInstant(engineOrigin, x, seconds));
  }
  return JobOutcome::Completed;
}

VerticalScale TideZoomScale(int level) {
  if (level < 0) level = 0;
  if (level > 5) level = 5;
  return kTideZoom[static_cast<std::size_t>(level)];
}

std::string_view TideGraticulePattern(bool metric, double step) {
  if (IsWholeStep(step)) return metric ? " ##;-##;  0" : " ##';-##';  0'";
  return metric ? " #0.0;-#0.0;  0" : " #0.0';-#0.0';  0'";
}

TidePass ComputeTidePass(const TidePassInput& in, const Settings& settings) {
  TidePass pass;
  const auto h = [&](int c) { return in.heights[static_cast<std::size_t>(c)]; };
  const float offset = in.draught - in.chartedDepth;
  const auto u = [&](int c) { return h(c) - offset; };

  bool afloat = false;
  AddPassageEntry(pass, in.grid, 0, u(1) > 0 ? "AFLOAT" : "AGROUND");
  WaterEventCounter unused;
  for (int c = kFirstPassColumn; c <= kLastPassColumn; ++c) {
    const float clearance = u(c);
    const bool crossing = (clearance > 0 && !afloat) || (clearance <= 0 && afloat);
    if (crossing) {
      afloat = !afloat;
      if (c != kFirstPassColumn) {
        if (in.passageLines) pass.passageLineColumns.push_back(c);
        AddPassageEntry(pass, in.grid, c, afloat ? "FLOATS" : "GROUNDS");
      }
    }
    bool high, low;
    if (c == kFirstPassColumn || c == kLastPassColumn) {
      high = h(c - 1) <= h(c) && h(c) > h(c + 1);
      low = h(c - 1) >= h(c) && h(c) < h(c + 1);
    } else {
      high = IsHighWater5(h(c - 2), h(c - 1), h(c), h(c + 1), h(c + 2), unused);
      low = IsLowWater5(h(c - 2), h(c - 1), h(c), h(c + 1), h(c + 2), unused);
    }
    if (high) AddHighLowEntry(pass, in, c, h(c), clearance, "HI", settings);
    if (low) AddHighLowEntry(pass, in, c, h(c), clearance, "LO", settings);
    pass.afloat[static_cast<std::size_t>(c)] = afloat;
  }
  return pass;
}

TideGraphColours TideGraphColoursFor(bool colour) {
  if (!colour) return {kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack};
  return {kBlack, Colour{0x505050}, Colour{0xF0F0F0}, Colour{0x00FFFF},
          Colour{0x0000FF}, Colour{0xFFFF00}, kWhite, kWhite};
}

void DrawTideGraph(DrawingSurface& surface, const TideGraphDrawing& d, const TidePass& pass,
                   const Settings& settings, Platform& platform) {
  const TideGraphColours colours = TideGraphColoursFor(d.colour);
  const VerticalScale scale = TideZoomScale(d.zoomLevel);
  surface.setCoordinateWindow(0, scale.top, kGraphColumns, scale.bottom);
  surface.clear(colours.background);
  surface.setPenWidth(1);
  surface.setLineStyle(LineStyle::Solid);
  if (!d.sky.empty()) DrawNightBands(surface, d.grid, d.sky, scale.top, scale.bottom, d.colour);

  for (const ValueGraticuleLine& line : ValueGraticule(scale, TideGraticulePattern(settings.metric(), scale.step))) {
    surface.setColour(colours.graticule);
    surface.line(0, line.value, kGraphColumns, line.value);
    if (line.label) {
      surface.setColour(colours.labels);
      surface.text(0, line.value, *line.label);
    }
  }

  std::string depth = d.depthCaption;
  const float seabed = -ParseHeight(depth, settings, platform);
  surface.setColour(colours.seabed);
  surface.line(0, seabed, kGraphColumns, seabed);

  if (d.timeGraticule) {
    for (const TimeGraticuleLine& line : TimeGraticule(d.grid)) {
      surface.setColour(colours.graticule);
      surface.line(line.x, scale.bottom, line.x, scale.top);
      surface.setColour(colours.labels);
      surface.text(line.x, scale.top, line.label);
    }
  }

  if (!d.sky.empty()) DrawMoonMarks(surface, d.grid, d.sky, scale.top, scale.bottom, colours.labels);

  std::size_t nextLine = 0, nextPoint = 0;
  const auto h = [&](int c) { return static_cast<double>(d.heights[static_cast<std::size_t>(c)]); };
  for (int c = kFirstPassColumn; c <= kLastPassColumn; ++c) {
    if (nextLine < pass.passageLineColumns.size() && pass.passageLineColumns[nextLine] == c) {
      surface.setColour(colours.passage);
      surface.line(c, scale.bottom, c, scale.top);
      ++nextLine;
    }
    while (nextPoint < pass.highLowPoints.size() && pass.highLowPoints[nextPoint].column == c) {
      surface.setPenWidth(3);
      surface.setColour(colours.points);
      surface.point(c, pass.highLowPoints[nextPoint].height);
      surface.setPenWidth(1);
      ++nextPoint;
    }
    surface.setColour(pass.afloat[static_cast<std::size_t>(c)] ? colours.afloat : colours.aground);
    surface.line(c - 1, h(c - 1), c, h(c));
  }
}

TideGraphHeader TideGraphHeaderTexts(const GraphGrid& grid, const Settings& s, std::string_view zoneName,
                                     std::string_view locationText) {
  TideGraphHeader header;
  header.duration = PlotDurationText(grid.plotDuration);
  header.depth = FormatHeight2(s.chartedDepth, s);
  header.draught = FormatHeight2(s.draught, s);
  header.zone = "Time Zone: " + std::string(zoneName);
  header.origin = "Graph Origin: " + FormatTimeDate(grid.origin);
  header.vessel = "Vessel ID: " + s.vesselName;
  header.location = "Tidal Location: " + std::string(locationText);
  header.units = "Height Units: " + UnitsCaption(s);
  return header;
}

TideCursorReadout ShowTideCursorReadout(const GraphGrid& grid, const HeightColumns& heights, int cursorColumn,
                                        const Settings& settings) {
  const int c = ClampCursorColumn(cursorColumn);
  TideCursorReadout readout;
  readout.instant = GraphXToTime(grid, c);
  readout.dateText = FormatTimeDate(readout.instant);
  readout.heightText = FormatHeight1(heights[static_cast<std::size_t>(c)], settings);
  return readout;
}

std::string CursorClearanceText(std::string_view tideCaption, const Settings& s, Platform& platform) {
  std::string tide(tideCaption);
  return FormatHeight1(ParseHeight(tide, s, platform) + s.chartedDepth - s.draught, s);
}

Colour ClearanceLabelColour(std::string_view clearanceText, bool colour, const Settings& settings,
                            Platform& platform) {
  std::string text(clearanceText);
  if (!colour) return kBlack;
  return ParseHeight(text, settings, platform) <= 0 ? Colour{0x0000FF} : Colour{0xFFFF00};
}

float DepthFromClearance(std::string_view clearanceText, std::string_view tideCaption, const Settings& s,
                         Platform& platform) {
  std::string clearance(clearanceText), tide(tideCaption);
  return ParseHeight(clearance, s, platform) - ParseHeight(tide, s, platform) + s.draught;
}

}  // namespace saltmark
