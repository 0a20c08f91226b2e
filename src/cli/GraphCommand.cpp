// saltmark-cli graph DB.tid PORT --start ... --days D --png FILE [--svg FILE]
// [--width W --height H]: the tide graph (curve, graticules, passage lines,
// high and low waters) drawn by the same model as the graph window, saved as
// a PNG and/or an SVG drawing (one of the two is needed); the
// passage and tide information lists are printed. Built where Qt is found.
#ifdef SALTMARK_CLI_PNG

#include <cstdlib>
#include <iostream>

#include "almanac/PortSunMoon.h"
#include "cli/CliSupport.h"
#include "cli/CommandRegistry.h"
#include "cli/GeneratorCommandSupport.h"
#include "cli/gui/TideGraphFiles.h"
#include "graphs/GraphModel.h"
#include "graphs/TideGraphModel.h"
#include "tables/HeightText.h"
#include "tables/TableHeader.h"
#include "tables/TablePeriod.h"
#include "tables/ZoneShift.h"

namespace saltmark::cli {
namespace {

struct GraphOptions {
  PortOptions port;
  std::string days = "1";
  std::string png;
  std::string svg;
  int width = 960;
  int height = 480;
  int zoom = kTideGraphStartZoom;
  bool fromNow = false;
  bool noPassageLines = false;
  bool sunMoon = false;
};

void runGraph(const GraphOptions& o) {
  if (o.png.empty() && o.svg.empty()) throw CliError("give --png FILE, --svg FILE or both");
  ConsolePlatform platform;
  auto port = loadPort(o.port, platform);
  Settings& s = port->settings;
  // As the plot duration box takes it: a number of days from 1 to 50, nothing after it.
  std::size_t used = 0;
  double days = 0;
  try {
    days = std::stod(o.days, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || o.days.find_first_not_of(' ', used) != std::string::npos || !(days >= 1 && days <= 50))
    throw CliError("--days must be a number of days from 1 to 50, not \"" + o.days + "\"");
  checkRunLength(port->start, days, kEventStepMinutes, "--days");
  s.graphDays = ClampPlotDurationText(o.days);
  s.graphSwitch2 = toFlag(!o.fromNow);
  s.graphSwitch3 = toFlag(!o.noPassageLines);

  GraphGrid grid{s.graphDays, ComputeGraphOrigin(port->start, s.graphDays, isTrue(s.graphSwitch2))};
  const DateTime engineOrigin = ShiftToDisplayZone(grid.origin, s, port->record.portZone);
  auto heights = engineHeights(port->record, s);
  HeightColumns columns{};
  SilentProgress progress;
  FillTideColumns(columns, *heights, engineOrigin, s.graphDays, progress);
  const TidePass pass = ComputeTidePass(TidePassInput{columns, grid, s.draught, s.chartedDepth, isTrue(s.graphSwitch3)}, s);

  TideGraphDrawing drawing{columns, grid, o.zoom, isTrue(s.colourDisplay), isTrue(s.graphSwitch1),
                           FormatHeight2(s.chartedDepth, s)};
  if (o.sunMoon)
    drawing.sky = PortSunMoonEvents(port->record, s, GraphXToTime(grid, 0).addDays(-1), GraphXToTime(grid, 960).addDays(1));
  SaveTideGraphFiles(drawing, pass, s, platform, o.width, o.height, o.png, o.svg);

  const TideGraphHeader header = TideGraphHeaderTexts(grid, s, "GMT", PortLocationText(port->record));
  std::string text = header.location + "\n" + header.origin + "\n" + header.units + "\nPassage Information\n";
  for (const std::string& line : pass.passageLines) text += line + "\n";
  text += "Tide Information\n";
  for (const std::string& line : pass.highLowLines) text += line + "\n";
  printText(text);
}

void addGraphCommand(CLI::App& app) {
  auto* command = app.add_subcommand("graph", "Draw the tide graph to a PNG file or an SVG drawing");
  auto options = std::make_shared<GraphOptions>();
  addPortOptions(*command, options->port);
  command->add_option("--days", options->days, "Plot duration in days, 1 to 50 (default 1)");
  command->add_option("--png", options->png, "PNG file to write");
  command->add_option("--svg", options->svg, "SVG drawing to write");
  command->add_option("--width", options->width, "Width in pixels (default 960)")->check(CLI::Range(16, 10000));
  command->add_option("--height", options->height, "Height in pixels (default 480)")->check(CLI::Range(16, 10000));
  command->add_option("--zoom", options->zoom, "Zoom level 0 to 5 (default 3)")->check(CLI::Range(0, 5));
  command->add_flag("--from-now", options->fromNow, "Start at the graticule step before the start, not at midnight");
  command->add_flag("--no-passage-lines", options->noPassageLines, "Leave out the passage lines");
  command->add_flag("--sun-moon", options->sunMoon, "Shade the night and mark the moon's phases");
  command->callback([options] { runGraph(*options); });
}

const bool registered = registerCommand(&addGraphCommand);

}  // namespace
}  // namespace saltmark::cli

#endif  // SALTMARK_CLI_PNG
