#pragma once
// The difference database file (".dif"), little-endian and packed: a signed
// 16-bit count N (0..257), then N records, each: name, latitude text,
// longitude text (texts: unsigned 16-bit byte count and the 8-bit bytes),
// referencePort and reserved (signed 16-bit), and the ten value texts.
// A record is 30 bytes plus its texts; an empty database is the two count bytes.
//
// The writer is the exact inverse of the reader. Loading reads the whole file
// before it touches the table, so a damaged file leaves the table (and the
// caller's list) as they were; writing replaces the file whole or not at all.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/AtomicFile.h"
#include "data/DifferenceRecord.h"
#include "data/RecordFile.h"
#include "platform/Platform.h"

namespace saltmark {

inline constexpr std::string_view kDifferenceWriteError = "Difference File Write Error";
// What the editor says when Open fails; the main window says it too.
inline constexpr std::string_view kNotValidDifferenceDatabase =
    "The file is not a valid Saltmark Difference Database";

struct DifferenceFileFormat {
  using Record = DifferenceRecord;
  using Table = DifferenceTable;
  static Record read(ByteReader& reader);
  static void write(ByteWriter& writer, const Record& record);
  static constexpr bool Table::*changed = &DifferenceTable::differenceDataChanged;
  // The editor says kNotValidDifferenceDatabase itself.
  static constexpr std::optional<std::string_view> readError{};
  static constexpr std::string_view writeError = kDifferenceWriteError;
};
using DifferenceFile = RecordFile<DifferenceFileFormat>;

// Reads the file into table records 0..N-1 and makes names the N record names
// (list position = record index), with the busy pointer shown; the caller
// checks that the file exists first and selects entry 0. Shows no message
// itself: a refused file comes back as !ok with the reason, table and names
// untouched, and the caller says so (the editor with kNotValidDifferenceDatabase).
FileLoadResult LoadDifferenceFile(const std::filesystem::path& path, DifferenceTable& table,
                                  std::vector<std::string>& names, Platform& platform);

// Writes table records 0..recordCount-1 (the editor's list entries minus its
// blank entry), with the busy pointer shown. On success clears
// differenceDataChanged. Any failure shows "Difference File Write Error"
// (exclamation icon, caption "Saltmark"), keeps the old file as it was and
// leaves differenceDataChanged set. A recordCount outside 0..257 is such a failure.
bool WriteDifferenceFile(const std::filesystem::path& path, DifferenceTable& table, int recordCount,
                         Platform& platform);

}  // namespace saltmark
