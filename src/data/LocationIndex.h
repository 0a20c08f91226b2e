#pragma once
// The location index in memory: the tide database names and every port of
// every database with its position, looked up by entry number (the location
// number that lists carry as item data and that difference and stream records
// store for their reference port).
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "data/LocationIndexFile.h"
#include "platform/Platform.h"

namespace saltmark {

class LocationIndex {
 public:
  // Reads SALTMARK.IND in the folder, letting window events run before each
  // name and entry. True when the whole file was read; otherwise the index
  // keeps what it held before (nothing, the first time) and the caller
  // decides whether to say so.
  bool LoadLocationIndex(const std::filesystem::path& folder, Platform& platform);
  // The same from any path, for tools and tests.
  bool LoadLocationIndexFile(const std::filesystem::path& path, Platform& platform);

  // The number of complete entries; -1 while no index has been read.
  std::int16_t indexEntryCount() const { return indexEntryCount_; }
  const std::vector<std::string>& indexDatabaseNames() const { return contents_.databaseNames; }
  // Every entry in file order; entry j has location number j.
  const std::vector<LocationIndexEntry>& entries() const { return contents_.entries; }

  // The entry with that location number, or nullptr when there is none.
  const LocationIndexEntry* entry(int locationNumber) const;
  // Its name, empty when there is no such entry.
  std::string LocationName(int locationNumber) const;
  // The file name of a database by its number, empty when there is none.
  std::string databaseName(int databaseNumber) const;

 private:
  LocationIndexContents contents_;
  std::int16_t indexEntryCount_ = -1;
};

}  // namespace saltmark
