#pragma once
// The stream database file (".vel"), little-endian and packed: a signed
// 16-bit count N (0..257), then N records, each: name, latitude text,
// longitude text (texts: unsigned 16-bit byte count and the 8-bit bytes),
// referencePort, speedUnits, then 13 directions, 13 spring rates and 13 neap
// rates (all signed 16-bit). A record is 88 bytes plus its texts; an empty
// database is the two count bytes.
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
#include "data/RecordFile.h"
#include "data/StreamRecord.h"
#include "platform/Platform.h"

namespace saltmark {

inline constexpr std::string_view kStreamReadError = "File Read Error";
inline constexpr std::string_view kStreamWriteError = "Streams file Write Error";

struct StreamFileFormat {
  using Record = StreamRecord;
  using Table = StreamTable;
  static Record read(ByteReader& reader);
  static void write(ByteWriter& writer, const Record& record);
  static constexpr bool Table::*changed = &StreamTable::streamDataChanged;
  static constexpr std::optional<std::string_view> readError = kStreamReadError;
  static constexpr std::string_view writeError = kStreamWriteError;
};
using StreamFile = RecordFile<StreamFileFormat>;

// Reads the file into table records 0..N-1 and makes names the N station
// names (list position = record index), with the busy pointer shown; the
// caller checks that the file exists first and selects entry 0. A file that
// cannot be read whole shows "File Read Error" (exclamation icon, caption
// "Saltmark") and leaves table and names as they were; the reason comes back too.
FileLoadResult LoadStreamFile(const std::filesystem::path& path, StreamTable& table, std::vector<std::string>& names,
                              Platform& platform);

// Writes table records 0..recordCount-1 (the editor's list entries minus its
// blank entry), with the busy pointer shown. On success clears
// streamDataChanged. Any failure shows "Streams file Write Error" (exclamation
// icon, caption "Saltmark"), keeps the old file as it was and leaves
// streamDataChanged set. A recordCount outside 0..257 is such a failure.
bool WriteStreamFile(const std::filesystem::path& path, StreamTable& table, int recordCount, Platform& platform);

}  // namespace saltmark
