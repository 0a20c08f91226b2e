#pragma once
// Everything one run of the program shares between its windows: the
// settings record and the copy taken at load, the loaded tide database and
// the selected port, the location index, the user's difference and stream
// tables with their selections, and the prediction engines. One object,
// created by the program's entry and passed by reference to every window.
#include <filesystem>

#include "common/DateTime.h"
#include "data/DifferenceRecord.h"
#include "data/LocationIndex.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"
#include "data/StreamRecord.h"
#include "data/TideDatabase.h"
#include "engine/StreamEngine.h"
#include "engine/TideEngine.h"
#include "locations/StreamStations.h"
#include "platform/Platform.h"
#include "shell/HelpTopics.h"
#include "tables/StreamContext.h"

namespace saltmark {

struct AppState {
  AppState(Platform& platformServices, std::filesystem::path folder)
      : platform(platformServices), programFolder(std::move(folder)), helpFolder(programFolder / kHelpFolderName) {}
  AppState(const AppState&) = delete;
  AppState& operator=(const AppState&) = delete;

  Platform& platform;
  std::filesystem::path programFolder;  // where the data files lie
  std::filesystem::path helpFolder;     // the help pages, which an installed program keeps apart

  Settings settings;
  Settings savedSettings;  // as loaded, for the exit question

  TideDatabase tideDatabase;
  LocationRecord location;       // the current port
  int selectedLocation = -1;     // its line in tideDatabase, -1 for none
  LocationIndex locationIndex;

  DifferenceTable differenceTable;
  int differenceCount = 0;            // records loaded or edited
  int selectedDifferenceRecord = -1;  // the secondary port, -1 for none

  StreamTable streamTable;
  int streamCount = 0;
  StationChoice stations;  // the chosen stream stations and their weights

  TideEngine engine{settings};
  StreamEngine streams{engine};

  DateTime startInstant;  // the start date and time boxes, as last read

  // The stream prediction's view of this state. refreshClock runs after the
  // local zone followed a newly loaded reference port.
  StreamContext streamContext(std::function<void()> refreshClock = {}) {
    return StreamContext{tideDatabase, locationIndex, settings, location, engine, streams, streamTable, stations,
                         platform, programFolder, std::move(refreshClock),
                         [this](int line) { selectedLocation = line; }};
  }
};

}  // namespace saltmark
