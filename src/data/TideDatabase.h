#pragma once
// The loaded tide database: one text line per port, the path it came from,
// and the field cursor that splits a line. One database is loaded at a time;
// loading another replaces it only when the new file was read in full, so a
// failed load leaves the previous lines, count and path in place.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/RuntimeError.h"
#include "data/FieldCursor.h"
#include "data/LocationRecord.h"
#include "data/Settings.h"
#include "platform/Platform.h"

namespace saltmark {

class TideDatabase {
 public:
  // Reads the whole file. On failure shows one message and returns false:
  // "Cannot find database file <path>." for a missing file, otherwise
  // ShowFileError. On success the path also becomes currentDatabase.
  bool LoadTideDatabase(const std::string& path, Platform& platform);

  // Loads the file unless it is the one already loaded. True when the file
  // is (now) the loaded one.
  bool LoadDatabaseIfNew(const std::string& path, Platform& platform);

  // The field reader over the cursor. An index 0..700 restarts the cursor on
  // that location's line (an index past locationCount reads as an empty line)
  // and returns its first field; -1 returns the next field. Throws
  // RuntimeError: errc::kInvalidFormat (321) when no field is left,
  // errc::kSubscript (9) for any other index.
  std::string SplitField(int index);

  // Fills the location record from location index's line. When the settings'
  // automatic local zone is on, the local zone offset follows the port's zone
  // (CInt(Val(portZone) * 4) quarter-hours) and refreshClockDisplay, when
  // given, is called. Then lets pending window events run. A line that cannot
  // be read leaves record and settings unchanged, shows ShowFileError with
  // the database's path, and returns false.
  bool ReadLocation(int index, LocationRecord& record, Settings& settings, Platform& platform,
                    const std::function<void()>& refreshClockDisplay = {});

  // The port name (first field) of a location, for the location list; empty
  // for an index with no line.
  std::string LocationListName(int index) const;

  const std::vector<std::string>& locationLines() const { return locationLines_; }
  std::int16_t locationCount() const { return static_cast<std::int16_t>(locationLines_.size()); }
  const std::string& currentDatabase() const { return currentDatabase_; }
  const std::vector<std::string>& headers() const { return headers_; }

 private:
  const std::string& lineAt(int index) const;  // throws errc::kSubscript outside 0..700

  std::vector<std::string> locationLines_;
  std::vector<std::string> headers_;
  std::string currentDatabase_;
  FieldCursor cursor_;
};

// The database list's choice of a file: nothing for an empty path; a missing
// file gets "File <path> does not exist." (information icon, caption
// "Saltmark:Tidal Hieghts"); otherwise the file is loaded if new, with the busy
// pointer shown, and on success becomes the settings' tideDatabasePath.
// True when the database is loaded and the location list should be refilled.
bool SelectTideDatabase(const std::string& path, TideDatabase& database, Settings& settings,
                        Platform& platform);

}  // namespace saltmark
