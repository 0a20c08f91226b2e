#pragma once
// The state a stream prediction reads and changes, owned in one piece for
// runs outside the program's windows (the command line, tests, benchmarks):
// the tide databases and index of a folder, the current reference port, the
// engines, the stream table and the chosen stations.
#include <filesystem>

#include "tables/StreamContext.h"

namespace saltmark {

struct StreamState {
  StreamState(Settings& runSettings, Platform& platform, std::filesystem::path folder)
      : settings(runSettings),
        context{tideDatabase, locationIndex, settings, location, engine, streams, streamTable, stations,
                platform,     std::move(folder), {}, {}} {}
  StreamState(const StreamState&) = delete;
  StreamState& operator=(const StreamState&) = delete;

  Settings& settings;
  TideDatabase tideDatabase;
  LocationIndex locationIndex;
  LocationRecord location;
  TideEngine engine{settings};
  StreamEngine streams{engine};
  StreamTable streamTable;
  StationChoice stations;
  StreamContext context;
};

}  // namespace saltmark
