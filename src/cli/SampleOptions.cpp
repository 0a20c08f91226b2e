#include "cli/SampleOptions.h"

#include <map>

#include "cli/CliSupport.h"
#include "cli/CommandRegistry.h"
#include "common/RuntimeError.h"
#include "tables/ZoneShift.h"

namespace saltmark::cli {

void addSampleOptions(CLI::App& command, SampleOptions& o, bool withFeet) {
  command.add_option("--start", o.start, "First instant, \"YYYY-MM-DD HH:MM\" in the time base")->required();
  command.add_option("--days", o.days, "Length of the run in days")->default_val(1);
  command.add_option("--step", o.stepMinutes, "Minutes between samples")->default_val(60);
  if (withFeet) command.add_flag("--feet", o.feet, "Heights in feet instead of metres");
  command.add_option("--time-base", o.timeBase, "Time base of --start and the listing")
      ->check(CLI::IsMember({"gmt", "local", "system"}))
      ->default_val("gmt");
  command.add_option("--local-zone", o.localZone, "Local zone offset, quarter-hours positive west")
      ->check(CLI::Range(-96, 96));
  command.add_option("--system-zone", o.systemZone, "Computer's zone offset, quarter-hours positive west")
      ->check(CLI::Range(-96, 96));
}

Settings sampleSettings(const SampleOptions& o) {
  static const std::map<std::string, TimeBase> kBases = {
      {"gmt", TimeBase::Gmt}, {"local", TimeBase::Local}, {"system", TimeBase::System}};
  Settings settings;
  settings.autoLocalZone = 0;
  settings.metricUnits = o.feet ? kFalse : kTrue;
  settings.timeBase = static_cast<std::int16_t>(kBases.at(o.timeBase));
  settings.localZoneOffset = static_cast<std::int16_t>(o.localZone);
  settings.systemZoneOffset = static_cast<std::int16_t>(o.systemZone);
  return settings;
}

void forEachSample(const SampleOptions& o, const Settings& settings, std::string_view portZone,
                   const std::function<void(DateTime, DateTime)>& line) {
  if (!(o.stepMinutes > 0)) throw CliError("--step must be a positive number of minutes");
  if (!(o.days >= 0 && o.days <= 3660)) throw CliError("--days must lie between 0 and 3660");
  const DateTime start = parseStartInstant(o.start);
  const auto samples = static_cast<long long>(o.days * 1440 / o.stepMinutes);
  try {
    // ShiftToDisplayZone's shift, the same for every sample: worked out once.
    const double shiftMinutes = 15.0 * DisplayZoneShiftQuarters(settings, portZone);
    for (long long i = 0; i <= samples; ++i) {
      const DateTime instant = start.addMinutes(static_cast<double>(i) * o.stepMinutes);
      line(instant, instant.addMinutes(shiftMinutes));
    }
  } catch (const RuntimeError& error) {
    throw CliError(std::string("prediction stopped: ") + error.what());
  }
}

}  // namespace saltmark::cli
