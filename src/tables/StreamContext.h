#pragma once
// The stream at the chosen stations: each station's reference port is made
// the current port when a new high-water pair is needed, and the weighted
// east and north components of all chosen stations are added.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "data/LocationIndex.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"
#include "data/StreamRecord.h"
#include "data/TideDatabase.h"
#include "engine/StreamEngine.h"
#include "locations/StreamStations.h"
#include "platform/Platform.h"

namespace saltmark {

// What a stream prediction reads and changes: loading a reference port
// replaces the current database and port.
struct StreamContext {
  TideDatabase& tideDatabase;
  LocationIndex& locationIndex;
  Settings& settings;
  LocationRecord& location;
  TideEngine& engine;
  StreamEngine& streams;
  const StreamTable& streamTable;
  const StationChoice& stations;
  Platform& platform;
  std::filesystem::path programFolder;       // where the tide databases lie
  std::function<void()> refreshClockDisplay;  // after the local zone follows the port
  // Called with the loaded port's line, so the caller can show it as current.
  std::function<void(int line)> portLoaded;
};

// Makes a location number's port current: its database loaded if new, its
// line read, the engine set to it.
bool LoadReferencePort(StreamContext& context, int locationNumber);

// A run's instants are in the time base of the first chosen station's
// reference port (the port the run's table and graph are headed by); every
// station is predicted in its own reference port's time base, so a station
// on a port in another zone is moved by the difference of the two zones.

// The zone text of slot k's reference port (loading the port the first time).
std::optional<std::string> ReferencePortZone(StreamContext& context, int k);

// An instant of the run moved into slot k's own reference port's time base.
std::optional<DateTime> StationInstant(StreamContext& context, int k, DateTime instant);

// A displayed instant (in the main window's time base) moved into the run's
// time base, as stream tables and graphs start from it; nothing without a
// chosen station or when its reference port cannot be loaded.
std::optional<DateTime> StreamRunInstant(StreamContext& context, DateTime displayInstant);

// The stream of chosen station slot k (0..count-1) at the run's instant.
std::optional<StreamComponents> StreamAtInstant(StreamContext& context, int k, DateTime instant);

// The sum over the chosen stations as a rate and a direction; nothing when
// a station's stream could not be computed.
std::optional<RateDirection> StreamSumAtInstant(StreamContext& context, DateTime instant);

}  // namespace saltmark
