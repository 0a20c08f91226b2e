#pragma once
// The main window's choice of a difference or stream database (lists Dfile
// and Sfile) and of a secondary port in the difference-location list (Dloc).
// Databases are found by name in the program's folder.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/DifferenceRecord.h"
#include "data/LocationIndex.h"
#include "data/Settings.h"
#include "data/StreamRecord.h"
#include "platform/Platform.h"

namespace saltmark {

// A difference database chosen in Dfile. Nothing happens for an empty name.
// A missing file gets "File <name> does not exist." (information icon,
// caption "Saltmark:Tidal Differences"); a damaged one "The file is not a
// valid Saltmark Difference Database" and the reason (information icon,
// caption "Saltmark"), leaving table, names and settings as they were.
// Otherwise the table and names (the Dloc entries) are loaded, the name
// becomes the settings' differenceDatabasePath, and true says to choose Dloc entry 0.
bool SelectDifferenceDatabase(std::string_view name, DifferenceTable& table, std::vector<std::string>& names,
                              Settings& settings, Platform& platform, const std::filesystem::path& folder = {});

// A stream database chosen in Sfile: as for differences, with the caption
// "Saltmark:Tidal Streams" for a missing file and the stream loader's own
// "File Read Error" for a damaged one. On success the name becomes the
// settings' streamDatabasePath, and true says to choose Sloc entry 0 and run
// the station choice.
bool SelectStreamDatabase(std::string_view name, StreamTable& table, std::vector<std::string>& names,
                          Settings& settings, Platform& platform, const std::filesystem::path& folder = {});

// The labels shown for the secondary port chosen in Dloc: the record's own
// position texts as stored, and the name and position of its reference port.
struct DifferenceLocationLabels {
  std::string dlat, dlon;        // the record's latitudeText and longitudeText
  std::string rfp, Rlat, Rlon;   // the reference port: LocationName and FormatLatLon
};
// All blank for a record number outside the table; the reference-port labels
// are blank when the port is not in the location index.
DifferenceLocationLabels ShowDifferenceLocation(const DifferenceTable& table, int selectedDifferenceRecord,
                                                const LocationIndex& index);

}  // namespace saltmark
