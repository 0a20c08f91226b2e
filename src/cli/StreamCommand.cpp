// saltmark-cli stream VEL STATION[,STATION...] [--at LAT LON] --start ...
// --days D --step MIN [--units knots|mph|kmh|ms]: the summed stream of up to
// three stations, one line per step: instant, TAB, rate (9 significant
// digits), TAB, direction in whole degrees. With --at the stations are
// weighted for that position as the program's interpolation does; without it
// one station counts whole and several share equally. --format csv|json
// gives the same samples with ISO 8601 times.
#include <cmath>
#include <map>

#include "cli/CliSupport.h"
#include "almanac/PortSunMoon.h"
#include "cli/CommandRegistry.h"
#include "cli/ListingFormat.h"
#include "cli/ListingOutput.h"
#include "cli/ReferencePorts.h"
#include "cli/SampleOptions.h"

namespace saltmark::cli {
namespace {

struct StreamOptions {
  std::string database;
  std::string stations;
  std::vector<std::string> at;
  std::string units = "knots";
  SampleOptions samples;
  std::string format = "text";
};

void runStream(const StreamOptions& o) {
  static const std::map<std::string, std::int16_t> kUnits = {{"knots", 0}, {"mph", 1}, {"kmh", 2}, {"ms", 3}};
  ConsolePlatform platform;
  Settings settings = sampleSettings(o.samples);
  settings.speedUnits = kUnits.at(o.units);
  ReferencePorts ports(std::filesystem::path(o.database).parent_path(), settings, platform);
  ports.chooseStations(o.database, splitNames(o.stations), o.at);
  const std::string zone = ports.location.portZone;
  const ListingFormat format = readFormat(o.format);
  if (format == ListingFormat::Ics) throw CliError("--format ics is for event listings; streams are samples");
  SampleListingOutput out(format, {"rate_" + o.units, "direction_deg"},
                          static_cast<int>(std::lround(-DisplayToGmtMinutes(settings, zone))));
  forEachSample(o.samples, settings, zone, [&](DateTime listed, DateTime portInstant) {
    const auto stream = StreamSumAtInstant(ports.context, portInstant);
    if (!stream) throw CliError("the stream cannot be predicted at " + formatInstant(listed));
    out.beginRow(listed);
    out.value(static_cast<double>(stream->rate), 6);
    out.value(static_cast<long long>(stream->direction));
    out.endRow();
  });
}

void addStreamCommand(CLI::App& app) {
  auto* command = app.add_subcommand("stream", "Print the tidal stream at stream stations");
  auto o = std::make_shared<StreamOptions>();
  command->add_option("database", o->database, "Stream database (*.vel)")->required();
  command->add_option("stations", o->stations, "Station names (or #N), separated by commas")->required();
  command->add_option("--at", o->at, "Position to weight the stations for: latitude and longitude texts")
      ->expected(2);
  command->add_option("--units", o->units, "Speed unit of the rates")
      ->check(CLI::IsMember({"knots", "mph", "kmh", "ms"}))
      ->default_val("knots");
  addSampleOptions(*command, o->samples, false);
  addFormatOption(*command, o->format);
  command->callback([o] { runStream(*o); });
}

const bool registered = registerCommand(&addStreamCommand);

}  // namespace
}  // namespace saltmark::cli
