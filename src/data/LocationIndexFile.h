#pragma once
// The location index file (SALTMARK.IND): every port of every tide database
// with its position, so that ports can be found across databases. Packed,
// little-endian: a signed 16-bit database count N, N texts naming the
// databases, then entries to the end of the file, each: database number and
// location number within that database (signed 16-bit), the port's name
// (text), latitude and longitude (doubles, radians, north and east positive).
// A text is an unsigned 16-bit character count and the characters.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/AtomicFile.h"

namespace saltmark {

inline constexpr std::string_view kLocationIndexFileName = "SALTMARK.IND";
inline constexpr int kMaxIndexDatabases = 15;  // database numbers 0..14
inline constexpr int kMaxIndexEntries = 5001;  // location numbers 0..5000

struct LocationIndexEntry {
  std::int16_t databaseNumber = 0;
  std::int16_t locationNumber = 0;  // the port's location index in its database
  std::string LocationName;
  double latitude = 0;   // radians, north positive
  double longitude = 0;  // radians, east positive

  friend bool operator==(const LocationIndexEntry&, const LocationIndexEntry&) = default;
};

struct LocationIndexContents {
  std::vector<std::string> databaseNames;
  std::vector<LocationIndexEntry> entries;

  friend bool operator==(const LocationIndexContents&, const LocationIndexContents&) = default;
};

// Throws std::invalid_argument for more than kMaxIndexDatabases names, more
// than kMaxIndexEntries entries, or a text longer than 65535 characters.
std::string EncodeLocationIndex(const LocationIndexContents& contents);

// Encodes and writes atomically; a refused content comes back as !ok with the reason.
WriteResult WriteLocationIndexFile(const std::filesystem::path& path, const LocationIndexContents& contents);

// Reads the bytes of an index. An entry cut short by the end of the file is
// not counted. Throws RuntimeError: errc::kInputPastEnd when the count or the
// names are cut short, errc::kSubscript for more than kMaxIndexDatabases names
// or more than kMaxIndexEntries complete entries. eachRecord, when given, runs
// before every name and entry (to let window events through).
LocationIndexContents DecodeLocationIndex(std::string_view bytes,
                                          const std::function<void()>& eachRecord = {});

// As DecodeLocationIndex, from a file; also throws RuntimeError with
// errc::kFileNotFound or errc::kPathFileAccess when the file cannot be read.
LocationIndexContents ReadLocationIndexFile(const std::filesystem::path& path,
                                            const std::function<void()>& eachRecord = {});

}  // namespace saltmark
