#include "data/TideDatabase.h"

#include <filesystem>
#include <system_error>

#include "common/VbNumbers.h"
#include "data/FileError.h"
#include "data/LocationLine.h"
#include "data/TideDatabaseFile.h"

namespace saltmark {

namespace {

const std::string& noLine() {
  static const std::string empty;
  return empty;
}

}  // namespace

bool TideDatabase::LoadTideDatabase(const std::string& path, Platform& platform) {
  try {
    TideDatabaseContents contents =
        ReadTideDatabaseFile(std::filesystem::path(path), [&platform] { platform.processEvents(); });
    locationLines_ = std::move(contents.locationLines);
    headers_ = std::move(contents.headers);
    currentDatabase_ = path;
    return true;
  } catch (const RuntimeError& error) {
    if (error.code() == errc::kPathNotFound)
      platform.message("Cannot find database file " + path + ".", MessageIcon::None);
    else
      ShowFileError(platform, error, path);
  } catch (const std::exception&) {
    ShowFileError(platform, RuntimeError(errc::kPathFileAccess), path);
  }
  return false;
}

bool TideDatabase::LoadDatabaseIfNew(const std::string& path, Platform& platform) {
  if (path == currentDatabase_) return true;
  return LoadTideDatabase(path, platform);
}

const std::string& TideDatabase::lineAt(int index) const {
  if (index < 0 || index >= kMaxTideLocations) throw RuntimeError(errc::kSubscript);
  const auto i = static_cast<std::size_t>(index);
  return i < locationLines_.size() ? locationLines_[i] : noLine();
}

std::string TideDatabase::SplitField(int index) {
  if (index == -1) return cursor_.next();
  return cursor_.restart(lineAt(index));
}

bool TideDatabase::ReadLocation(int index, LocationRecord& record, Settings& settings,
                                Platform& platform, const std::function<void()>& refreshClockDisplay) {
  try {
    LocationRecord read = ParseLocationLine(lineAt(index));
    const bool followZone = settings.autoLocalZone != 0;
    const std::int16_t zoneOffset = followZone ? CInt(Val(read.portZone) * 4) : settings.localZoneOffset;
    record = std::move(read);
    settings.localZoneOffset = zoneOffset;
    if (followZone && refreshClockDisplay) refreshClockDisplay();
  } catch (const RuntimeError& error) {
    ShowFileError(platform, error, currentDatabase_);
    return false;
  }
  platform.processEvents();
  return true;
}

std::string TideDatabase::LocationListName(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= locationLines_.size()) return {};
  const std::string& line = locationLines_[static_cast<std::size_t>(index)];
  return line.substr(0, line.find(','));
}

bool SelectTideDatabase(const std::string& path, TideDatabase& database, Settings& settings,
                        Platform& platform) {
  if (path.empty()) return false;
  BusyPointer busy(platform);
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::path(path), ec)) {
    platform.message("File " + path + " does not exist.", MessageIcon::Information, MessageButtons::Ok,
                     "Saltmark:Tidal Hieghts");
    return false;
  }
  if (!database.LoadDatabaseIfNew(path, platform)) return false;
  settings.tideDatabasePath = path;
  return true;
}

}  // namespace saltmark
