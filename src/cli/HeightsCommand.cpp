// saltmark-cli heights DB.tid PORT --start "YYYY-MM-DD HH:MM" --days D
// --step MIN [--feet] [--time-base gmt|local|system --local-zone Q
// --system-zone Q]: the engine's tideHeight at every step, one line each,
// "YYYY-MM-DD HH:MM:SS", a TAB and the height with 9 significant digits, so
// that other programs can check the engine exactly. The instants are in the
// chosen time base and are moved into the port's own before each height.
// --format csv|json gives the same samples with ISO 8601 times.
#include <cmath>

#include "cli/CliSupport.h"
#include "almanac/PortSunMoon.h"
#include "cli/CommandRegistry.h"
#include "cli/ListingFormat.h"
#include "cli/ListingOutput.h"
#include "cli/SampleOptions.h"
#include "engine/TideEngine.h"

namespace saltmark::cli {
namespace {

struct HeightsOptions {
  std::string database;
  std::string port;
  SampleOptions samples;
  std::string format = "text";
};

void runHeights(const HeightsOptions& o) {
  ConsolePlatform platform;
  Settings settings = sampleSettings(o.samples);
  const LocationRecord record = readNamedPort(o.database, o.port, settings, platform);

  const ListingFormat format = readFormat(o.format);
  if (format == ListingFormat::Ics) throw CliError("--format ics is for event listings; heights are samples");
  TideEngine engine(settings);
  engine.setPort(record);
  SampleListingOutput out(format, {o.samples.feet ? "height_ft" : "height_m"},
                          static_cast<int>(std::lround(-DisplayToGmtMinutes(settings, record.portZone))));
  forEachSample(o.samples, settings, record.portZone, [&](DateTime listed, DateTime portInstant) {
    engine.PredictHeight(portInstant);
    out.beginRow(listed);
    out.value(static_cast<double>(engine.tideHeight()), 9);
    out.endRow();
  });
}

void addHeightsCommand(CLI::App& app) {
  auto* command = app.add_subcommand("heights", "Print the predicted tide height at regular steps");
  auto o = std::make_shared<HeightsOptions>();
  command->add_option("database", o->database, "Tide database (*.tid)")->required();
  command->add_option("port", o->port, "Port name, or #N for its location number")->required();
  addSampleOptions(*command, o->samples);
  addFormatOption(*command, o->format);
  command->callback([o] { runHeights(*o); });
}

const bool registered = registerCommand(&addHeightsCommand);

}  // namespace
}  // namespace saltmark::cli
