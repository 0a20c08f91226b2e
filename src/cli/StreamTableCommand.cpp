// saltmark-cli stream-table VEL STATION[,STATION...] [--at LAT LON] --start ...
// --days D --list slack|peak|interval|below|fastest [--mins N] [--below X]
// [--count K] [--units ...] [--time-base gmt|local|system --local-zone Q
// --system-zone Q]: the stream table exactly as the table viewer shows it;
// --format csv|json|ics gives its rows (ics for the event listings).
#include <cmath>
#include <map>

#include "cli/CliSupport.h"
#include "cli/CommandRegistry.h"
#include "almanac/PortSunMoon.h"
#include "cli/GeneratorCommandSupport.h"
#include "cli/ListingFormat.h"
#include "cli/ReferencePorts.h"
#include "cli/TimeBaseOptions.h"
#include "common/NumberFormat.h"
#include "common/VbNumbers.h"
#include "tables/EngineStreamSource.h"
#include "tables/StreamText.h"
#include "tables/TableHeader.h"
#include "tables/TablePeriod.h"

namespace saltmark::cli {
namespace {

struct StreamTableOptions {
  std::string database;
  std::string stations;
  std::vector<std::string> at;
  std::string start;
  std::string days = "1";
  std::string list = "peak";
  std::string minutes = "60";
  std::string below = "1";
  std::string count = "5";
  std::string units = "knots";
  TimeBaseOptions base;
  std::string format = "text";
};

void printStreamTable(const StreamTableOptions& o, const std::string& text, const Settings& settings,
                      const std::string& portZone, const std::string& location) {
  const ListingFormat format = readFormat(o.format);
  if (format == ListingFormat::Text) return printText(text);
  TableExportContext context;
  context.streamTable = true;
  context.utcOffsetMinutes = static_cast<int>(std::lround(-DisplayToGmtMinutes(settings, portZone)));
  context.location = location;
  context.streamKind = o.list == "interval" || o.list == "below" ? "" : o.list;
  context.rateFirst = o.list == "fastest";
  context.speedUnits = o.units;
  if (format == ListingFormat::Ics) return printCalendar(TableCalendar(text, context, NowGmt()));
  printTable(TableRowsForExport(text, context), format);
}

void runStreamTable(const StreamTableOptions& o) {
  static const std::map<std::string, StreamListing> kListings = {{"slack", StreamListing::Slack},
                                                                 {"peak", StreamListing::Peak},
                                                                 {"interval", StreamListing::RegularIntervals},
                                                                 {"below", StreamListing::BelowSpeed},
                                                                 {"fastest", StreamListing::Fastest}};
  static const std::map<std::string, std::int16_t> kUnits = {{"knots", 0}, {"mph", 1}, {"kmh", 2}, {"ms", 3}};
  ConsolePlatform platform;
  Settings settings;
  applyTimeBase(o.base, settings);
  settings.speedUnits = kUnits.at(o.units);
  ReferencePorts ports(std::filesystem::path(o.database).parent_path(), settings, platform);
  ports.chooseStations(o.database, splitNames(o.stations), o.at);

  StreamTableRequest request;
  request.start = parseStartInstant(o.start);
  request.daysText = o.days;
  request.listing = kListings.at(o.list);
  request.minutesText = o.minutes;
  request.belowText = o.below;
  request.fastestText = o.count;
  request.speedUnitCaption = std::string(SpeedUnitMenuCaption(settings.speedUnits));
  request.belowUnitsCaption = request.speedUnitCaption;
  request.locationText = ports.stations.userLocationText;
  for (int k = 0; k < ports.stations.count; ++k) {
    const StreamRecord& station = ports.streamTable.records[ports.stations.selectedStations[k]];
    request.stations.push_back(station.name + " " + FormatNumberPoint(ports.stations.stationWeights[k], "0.0") + "%");
  }
  request.zoneName = zoneCaption(settings);
  request.creditYear = CurrentYear();
  if (auto refusal = CheckStreamTableRequest(request)) throw CliError(*refusal);
  const bool intervals = request.listing == StreamListing::RegularIntervals;
  checkRunLength(request.start, Val(o.days), intervals ? Val(o.minutes) : kEventStepMinutes, "--mins");
  if (readFormat(o.format) == ListingFormat::Ics && o.list == "interval")
    throw CliError("--format ics is for event listings, not regular intervals");

  EngineStreamSource streams(ports.context);
  TableTextBuffer text;
  SilentProgress progress;
  WaterEventCounter events;
  const JobOutcome outcome = GenerateStreamTable(
      request, streams, TableRun{settings, ports.location.portZone, text, progress, platform, events});
  printStreamTable(o, text.text(), settings, ports.location.portZone, request.locationText);
  if (outcome == JobOutcome::Failed) throw CliError("the stream could not be predicted for the whole period");
}

void addStreamTableCommand(CLI::App& app) {
  auto* command = app.add_subcommand("stream-table", "Print a stream table as the table viewer shows it");
  auto o = std::make_shared<StreamTableOptions>();
  command->add_option("database", o->database, "Stream database (*.vel)")->required();
  command->add_option("stations", o->stations, "Station names (or #N), separated by commas")->required();
  command->add_option("--at", o->at, "Position to weight the stations for")->expected(2);
  command->add_option("--start", o->start, "Start, \"YYYY-MM-DD HH:MM\" (GMT)")->required();
  command->add_option("--days", o->days, "Days to tabulate");
  command->add_option("--list", o->list, "Listing")->check(CLI::IsMember({"slack", "peak", "interval", "below", "fastest"}));
  command->add_option("--mins", o->minutes, "Minutes between rows of the interval listing");
  command->add_option("--below", o->below, "Speed of the below-speed listing");
  command->add_option("--count", o->count, "Number of the fastest streams");
  command->add_option("--units", o->units, "Speed unit")->check(CLI::IsMember({"knots", "mph", "kmh", "ms"}));
  addTimeBaseOptions(*command, o->base);
  addFormatOption(*command, o->format);
  command->callback([o] { runStreamTable(*o); });
}

const bool registered = registerCommand(&addStreamTableCommand);

}  // namespace
}  // namespace saltmark::cli
