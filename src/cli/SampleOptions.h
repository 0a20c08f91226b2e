#pragma once
// What the sampling subcommands (heights, secondary, stream) share: the
// start, length and step of the run, the units, and the time base the
// instants are typed and listed in.
#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <string_view>

#include "common/DateTime.h"
#include "cli/TimeBaseOptions.h"
#include "data/Settings.h"

namespace saltmark::cli {

struct SampleOptions {
  std::string start;
  double days = 1;
  double stepMinutes = 60;
  bool feet = false;
  TimeBaseOptions base;
};

// --start, --days, --step, --time-base, --local-zone, --system-zone (and
// --feet when withFeet).
void addSampleOptions(CLI::App& command, SampleOptions& options, bool withFeet = true);

// Settings for the run: units, time base and zone offsets; the automatic
// local zone off, so the typed offsets stay.
Settings sampleSettings(const SampleOptions& options);

// Calls line(instant in the time base, the same instant in the port's own)
// for every step; a run-time error of the engine becomes a CliError. A step
// under one minute, a run of more than kMaxRunSteps steps, or one that
// leaves the years 100 to 9999 is refused (CliError).
void forEachSample(const SampleOptions& options, const Settings& settings, std::string_view portZone,
                   const std::function<void(DateTime listed, DateTime portInstant)>& line);

}  // namespace saltmark::cli
