#include "cli/TimeBaseOptions.h"

#include <map>

#include "display/ClockDisplay.h"

namespace saltmark::cli {

void addTimeBaseOptions(CLI::App& command, TimeBaseOptions& o) {
  command.add_option("--time-base", o.timeBase, "Time base of --start and the listing")
      ->check(CLI::IsMember({"gmt", "local", "system"}))
      ->default_val("gmt");
  command.add_option("--local-zone", o.localZone, "Local zone offset, quarter-hours positive west")
      ->check(CLI::Range(-96, 96));
  command.add_option("--system-zone", o.systemZone, "Computer's zone offset, quarter-hours positive west")
      ->check(CLI::Range(-96, 96));
}

void applyTimeBase(const TimeBaseOptions& o, Settings& settings) {
  static const std::map<std::string, TimeBase> kBases = {
      {"gmt", TimeBase::Gmt}, {"local", TimeBase::Local}, {"system", TimeBase::System}};
  settings.autoLocalZone = 0;
  settings.timeBase = static_cast<std::int16_t>(kBases.at(o.timeBase));
  settings.localZoneOffset = static_cast<std::int16_t>(o.localZone);
  settings.systemZoneOffset = static_cast<std::int16_t>(o.systemZone);
}

std::string zoneCaption(const Settings& settings) {
  return settings.timeBase == static_cast<std::int16_t>(TimeBase::Gmt) ? "GMT" : ZoneLabelText(settings);
}

}  // namespace saltmark::cli
