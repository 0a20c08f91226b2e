// saltmark-cli heights DB.tid PORT --start "YYYY-MM-DD HH:MM" --days D
// --step MIN [--feet] [--time-base gmt|local|system --local-zone Q
// --system-zone Q]: the engine's tideHeight at every step, one line each,
// "YYYY-MM-DD HH:MM:SS", a TAB and the height with 9 significant digits, so
// that other programs can check the engine exactly. The instants are in the
// chosen time base and are moved into the port's own before each height.
#include <cstdio>
#include <map>

#include "cli/CliSupport.h"
#include "cli/CommandRegistry.h"
#include "common/RuntimeError.h"
#include "common/VbNumbers.h"
#include "engine/TideEngine.h"
#include "tables/ZoneShift.h"

namespace saltmark::cli {
namespace {

struct HeightsOptions {
  std::string database;
  std::string port;
  std::string start;
  double days = 1;
  double stepMinutes = 60;
  bool feet = false;
  std::string timeBase = "gmt";
  int localZone = 0;   // quarter-hours, positive west
  int systemZone = 0;
};

void runHeights(const HeightsOptions& o) {
  static const std::map<std::string, TimeBase> kBases = {
      {"gmt", TimeBase::Gmt}, {"local", TimeBase::Local}, {"system", TimeBase::System}};
  if (!(o.stepMinutes > 0)) throw CliError("--step must be a positive number of minutes");
  if (!(o.days >= 0 && o.days <= 3660)) throw CliError("--days must lie between 0 and 3660");

  ConsolePlatform platform;
  Settings settings;
  settings.autoLocalZone = 0;
  settings.metricUnits = o.feet ? kFalse : kTrue;
  settings.timeBase = static_cast<std::int16_t>(kBases.at(o.timeBase));
  settings.localZoneOffset = static_cast<std::int16_t>(o.localZone);
  settings.systemZoneOffset = static_cast<std::int16_t>(o.systemZone);

  TideDatabase database;
  openDatabase(database, o.database, platform);
  LocationRecord record;
  readPort(database, resolvePort(database, o.port), record, settings, platform);

  TideEngine engine(settings);
  engine.setPort(record);
  const DateTime start = parseStartInstant(o.start);
  const auto samples = static_cast<long long>(o.days * 1440 / o.stepMinutes);
  try {
    for (long long i = 0; i <= samples; ++i) {
      const DateTime instant = start.addMinutes(static_cast<double>(i) * o.stepMinutes);
      engine.PredictHeight(ShiftToDisplayZone(instant, settings, record.portZone));
      std::printf("%s\t%.9g\n", formatInstant(instant).c_str(), static_cast<double>(engine.tideHeight()));
    }
  } catch (const RuntimeError& error) {
    throw CliError(std::string("prediction stopped: ") + error.what());
  }
}

void addHeightsCommand(CLI::App& app) {
  auto* command = app.add_subcommand("heights", "Print the predicted tide height at regular steps");
  auto o = std::make_shared<HeightsOptions>();
  command->add_option("database", o->database, "Tide database (*.tid)")->required();
  command->add_option("port", o->port, "Port name, or #N for its location number")->required();
  command->add_option("--start", o->start, "First instant, \"YYYY-MM-DD HH:MM\" in the time base")->required();
  command->add_option("--days", o->days, "Length of the run in days")->default_val(1);
  command->add_option("--step", o->stepMinutes, "Minutes between samples")->default_val(60);
  command->add_flag("--feet", o->feet, "Heights in feet instead of metres");
  command->add_option("--time-base", o->timeBase, "Time base of --start and the listing")
      ->check(CLI::IsMember({"gmt", "local", "system"}))
      ->default_val("gmt");
  command->add_option("--local-zone", o->localZone, "Local zone offset, quarter-hours positive west")
      ->check(CLI::Range(-96, 96));
  command->add_option("--system-zone", o->systemZone, "Computer's zone offset, quarter-hours positive west")
      ->check(CLI::Range(-96, 96));
  command->callback([o] { runHeights(*o); });
}

const bool registered = registerCommand(&addHeightsCommand);

}  // namespace
}  // namespace saltmark::cli
