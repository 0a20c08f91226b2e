// saltmark-cli table DB.tid PORT --start ... --days D --list hilo|interval|
// passage|highest|lowest [--high] [--low] [--mins N] [--count K] [--depth X
// --draught Y] [--ukc] [--format text|csv|json|ics]: the tide table exactly
// as the table viewer shows it, or its rows for a spreadsheet, a script or
// (high and low waters only) a calendar.
#include <cmath>
#include <map>

#include "cli/CliSupport.h"
#include "cli/CommandRegistry.h"
#include "almanac/PortSunMoon.h"
#include "almanac/SunMoonRows.h"
#include "common/VbNumbers.h"
#include "cli/GeneratorCommandSupport.h"
#include "cli/ListingFormat.h"
#include "tables/TableHeader.h"
#include "tables/TideTableGenerator.h"

namespace saltmark::cli {
namespace {

struct TableOptions {
  PortOptions port;
  std::string days = "1";
  std::string list = "hilo";
  bool high = false;
  bool low = false;
  std::string minutes = "60";
  std::string count = "5";
  bool ukc = false;
  bool sunMoon = false;
  std::string format = "text";
};

void printTideTable(const TableOptions& o, const std::string& text, const LoadedPort& port) {
  const ListingFormat format = readFormat(o.format);
  TableExportContext context;
  context.metric = port.settings.metricUnits != kFalse;
  context.utcOffsetMinutes = static_cast<int>(std::lround(-DisplayToGmtMinutes(port.settings, port.record.portZone)));
  context.location = port.record.portName;
  context.geo = PortGeo(port.record);
  switch (format) {
    case ListingFormat::Text: printText(text); return;
    case ListingFormat::Csv:
    case ListingFormat::Json: printTable(TableRowsForExport(text, context), format); return;
    case ListingFormat::Ics: printCalendar(TableCalendar(text, context, NowGmt())); return;
  }
}

void runTable(const TableOptions& o) {
  static const std::map<std::string, TideListing> kListings = {{"hilo", TideListing::HighLow},
                                                               {"interval", TideListing::RegularIntervals},
                                                               {"passage", TideListing::Passage},
                                                               {"highest", TideListing::Highest},
                                                               {"lowest", TideListing::Lowest}};
  ConsolePlatform platform;
  auto port = loadPort(o.port, platform);
  TideTableRequest request;
  request.start = port->start;
  request.daysText = o.days;
  request.listing = kListings.at(o.list);
  request.high = o.high || !o.low;  // neither flag: both
  request.low = o.low || !o.high;
  request.minutesText = o.minutes;
  request.highestText = request.lowestText = o.count;
  request.clearance = request.listing == TideListing::Passage ? ClearanceBox::Greyed
                                                              : (o.ukc ? ClearanceBox::Ticked : ClearanceBox::Unticked);
  request.locationText = PortLocationText(port->record);
  request.zoneName = "GMT";
  request.creditYear = CurrentYear();
  if (auto refusal = CheckTideTableRequest(request)) throw CliError(*refusal);
  if (o.sunMoon)
    request.sunMoonRows = SunMoonTableRows(port->record, port->settings, request.start,
                                           request.start.addDays(Val(request.daysText)));
  if (readFormat(o.format) == ListingFormat::Ics && (request.listing == TideListing::RegularIntervals ||
                                                    request.listing == TideListing::Passage))
    throw CliError("--format ics is for high and low waters (hilo, highest, lowest)");

  auto heights = engineHeights(port->record, port->settings);
  TableTextBuffer text;
  SilentProgress progress;
  WaterEventCounter events;
  GenerateTideTable(request, *heights, TableRun{port->settings, port->record.portZone, text, progress, platform, events});
  printTideTable(o, text.text(), *port);
}

void addTableCommand(CLI::App& app) {
  auto* command = app.add_subcommand("table", "Print a tide table as the table viewer shows it");
  auto options = std::make_shared<TableOptions>();
  addPortOptions(*command, options->port);
  command->add_option("--days", options->days, "Number of days (default 1)");
  command->add_option("--list", options->list, "hilo, interval, passage, highest or lowest")
      ->check(CLI::IsMember({"hilo", "interval", "passage", "highest", "lowest"}));
  command->add_flag("--high", options->high, "High waters (hilo; with neither flag, both)");
  command->add_flag("--low", options->low, "Low waters (hilo)");
  command->add_option("--mins", options->minutes, "Interval in minutes (interval; default 60)");
  command->add_option("--count", options->count, "How many waters (highest, lowest; default 5)");
  command->add_flag("--ukc", options->ukc, "Add the under-keel clearance column");
  command->add_flag("--sun-moon", options->sunMoon, "Sunrise, sunset, moonrise, moonset and phases among the waters (hilo)");
  addFormatOption(*command, options->format);
  command->callback([options] { runTable(*options); });
}

const bool registered = registerCommand(&addTableCommand);

}  // namespace
}  // namespace saltmark::cli
