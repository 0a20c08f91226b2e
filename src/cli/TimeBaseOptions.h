#pragma once
// The time base a run's instants are typed and listed in, as in the main
// window: GMT, the local zone or the computer's zone, with the two offsets.
#include <CLI/CLI.hpp>

#include <string>

#include "data/Settings.h"

namespace saltmark::cli {

struct TimeBaseOptions {
  std::string timeBase = "gmt";
  int localZone = 0;  // quarter-hours, positive west
  int systemZone = 0;
};

// --time-base gmt|local|system, --local-zone Q, --system-zone Q.
void addTimeBaseOptions(CLI::App& command, TimeBaseOptions& options);

// Sets the settings' time base and offsets, the automatic local zone off so
// that the typed offsets stay.
void applyTimeBase(const TimeBaseOptions& options, Settings& settings);

// The zone a table's header names: "GMT", else the offset as the main
// window's zone label shows it.
std::string zoneCaption(const Settings& settings);

}  // namespace saltmark::cli
