#include "locations/DatabaseChoice.h"

#include <system_error>

#include "data/DifferenceFile.h"
#include "data/StreamFile.h"
#include "locations/Positions.h"

namespace saltmark {

namespace {

std::filesystem::path inFolder(const std::filesystem::path& folder, std::string_view name) {
  return folder.empty() ? std::filesystem::path(name) : folder / name;
}

bool reportMissing(const std::filesystem::path& path, std::string_view name, std::string_view caption,
                   Platform& platform) {
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) return false;
  platform.message("File " + std::string(name) + " does not exist.", MessageIcon::Information, MessageButtons::Ok,
                   caption);
  return true;
}

}  // namespace

bool SelectDifferenceDatabase(std::string_view name, DifferenceTable& table, std::vector<std::string>& names,
                              Settings& settings, Platform& platform, const std::filesystem::path& folder) {
  if (name.empty()) return false;
  const std::filesystem::path path = inFolder(folder, name);
  if (reportMissing(path, name, "Saltmark:Tidal Differences", platform)) return false;
  const FileLoadResult loaded = LoadDifferenceFile(path, table, names, platform);
  if (!loaded) {
    platform.message(std::string(kNotValidDifferenceDatabase) + "\n" + std::string(name) + ": " + loaded.reason,
                     MessageIcon::Information);
    return false;
  }
  settings.differenceDatabasePath = std::string(name);
  return true;
}

bool SelectStreamDatabase(std::string_view name, StreamTable& table, std::vector<std::string>& names,
                          Settings& settings, Platform& platform, const std::filesystem::path& folder) {
  if (name.empty()) return false;
  const std::filesystem::path path = inFolder(folder, name);
  if (reportMissing(path, name, "Saltmark:Tidal Streams", platform)) return false;
  if (!LoadStreamFile(path, table, names, platform)) return false;
  settings.streamDatabasePath = std::string(name);
  return true;
}

DifferenceLocationLabels ShowDifferenceLocation(const DifferenceTable& table, int selectedDifferenceRecord,
                                                const LocationIndex& index) {
  DifferenceLocationLabels labels;
  if (selectedDifferenceRecord < 0 || selectedDifferenceRecord >= static_cast<int>(table.records.size()))
    return labels;
  const DifferenceRecord& record = table.records[static_cast<std::size_t>(selectedDifferenceRecord)];
  labels.dlat = record.latitudeText;
  labels.dlon = record.longitudeText;
  if (const LocationIndexEntry* reference = index.entry(record.referencePort)) {
    labels.rfp = reference->LocationName;
    labels.Rlat = FormatLatLon(reference->latitude, kLatitude);
    labels.Rlon = FormatLatLon(reference->longitude, kLongitude);
  }
  return labels;
}

}  // namespace saltmark
