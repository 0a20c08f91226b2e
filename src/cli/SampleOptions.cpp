#include "cli/SampleOptions.h"

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
  addTimeBaseOptions(command, o.base);
}

Settings sampleSettings(const SampleOptions& o) {
  Settings settings;
  settings.metricUnits = o.feet ? kFalse : kTrue;
  applyTimeBase(o.base, settings);
  return settings;
}

void forEachSample(const SampleOptions& o, const Settings& settings, std::string_view portZone,
                   const std::function<void(DateTime, DateTime)>& line) {
  if (!(o.days >= 0 && o.days <= 3660)) throw CliError("--days must lie between 0 and 3660");
  const DateTime start = parseStartInstant(o.start);
  const auto samples = checkRunLength(start, o.days, o.stepMinutes, "--step");
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
