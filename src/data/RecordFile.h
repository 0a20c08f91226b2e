#pragma once
// What the difference (".dif") and stream (".vel") databases share: a signed
// 16-bit record count N (0..257) and then N packed records, read one after
// another because their texts make their lengths vary. A reader refuses the
// whole file when the count is out of range or the records end before the
// count is reached, so a damaged file never half-replaces a loaded table.
// Bytes after the last counted record are ignored.
//
// The two files differ only in their record layout, so each names it in a
// small format type (the record, its table, how one record is read and
// written, and the messages it shows) and the file code below serves both.
#include <cstdint>
#include <exception>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/AtomicFile.h"
#include "common/ByteIO.h"
#include "common/RuntimeError.h"
#include "platform/Platform.h"

namespace saltmark {

// Both tables hold records 0..256.
inline constexpr int kMaxDatabaseRecords = 257;

struct FileLoadResult {
  bool ok = true;
  std::string reason;  // why the file was refused, when !ok
  explicit operator bool() const { return ok; }
};

namespace detail {
// Throws RuntimeError: errc::kInputPastEnd when the count is cut short,
// errc::kSubscript above 257, errc::kInvalidFormat when negative.
int ReadRecordCount(ByteReader& reader);
[[noreturn]] void ThrowRecordCutShort(int record, int count);
// Throws std::invalid_argument above 257.
void WriteRecordCount(ByteWriter& writer, std::size_t count);
}  // namespace detail

// The count and then each record read by readRecord(ByteReader&). Throws
// RuntimeError saying what is wrong (see detail::ReadRecordCount; a record
// cut short is errc::kInputPastEnd naming the record).
template <typename Record, typename ReadRecord>
std::vector<Record> DecodeCountedRecords(std::string_view bytes, ReadRecord readRecord) {
  ByteReader reader(bytes);
  const int count = detail::ReadRecordCount(reader);
  std::vector<Record> records;
  records.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    try {
      records.push_back(readRecord(reader));
    } catch (const RuntimeError& error) {
      if (error.code() != errc::kInputPastEnd) throw;
      detail::ThrowRecordCutShort(i, count);
    }
  }
  return records;
}

// The count and then each record written by writeRecord(ByteWriter&, const Record&).
// Throws std::invalid_argument for more than 257 records.
template <typename Record, typename WriteRecord>
std::string EncodeCountedRecords(std::span<const Record> records, WriteRecord writeRecord) {
  ByteWriter writer;
  detail::WriteRecordCount(writer, records.size());
  for (const Record& record : records) writeRecord(writer, record);
  return writer.bytes();
}

// Every record opens with its name, its position as typed and its reference
// port: three texts and a signed 16-bit number.
template <typename Record>
void ReadRecordHead(ByteReader& reader, Record& record) {
  record.name = reader.readText();
  record.latitudeText = reader.readText();
  record.longitudeText = reader.readText();
  record.referencePort = reader.readInt16();
}

template <typename Record>
void WriteRecordHead(ByteWriter& writer, const Record& record) {
  writer.writeText(record.name);
  writer.writeText(record.latitudeText);
  writer.writeText(record.longitudeText);
  writer.writeInt16(record.referencePort);
}

// The file of one record layout. Format provides:
//   Record, Table (with `records` 0..256),
//   static Record read(ByteReader&), static void write(ByteWriter&, const Record&),
//   changed: the table's unsaved-edits flag, as a pointer to its member,
//   readError: shown when a file cannot be loaded (or nothing, when the caller says so),
//   writeError: shown when a write fails.
template <typename Format>
struct RecordFile {
  using Record = typename Format::Record;
  using Table = typename Format::Table;

  // Throws std::invalid_argument for more than 257 records and
  // RuntimeError(errc::kOverflow) for a text longer than 65535 bytes.
  static std::string encode(std::span<const Record> records) { return EncodeCountedRecords(records, Format::write); }

  // Throws RuntimeError saying what is wrong: the file ends early
  // (errc::kInputPastEnd), its count is above 257 (errc::kSubscript) or negative
  // (errc::kInvalidFormat).
  static std::vector<Record> decode(std::string_view bytes) {
    return DecodeCountedRecords<Record>(bytes, Format::read);
  }

  // As decode, from a file; also throws RuntimeError with errc::kFileNotFound,
  // or errc::kPathFileAccess when it cannot be read (a folder).
  static std::vector<Record> read(const std::filesystem::path& path) { return decode(readWholeFile(path)); }

  // Encodes and writes atomically; a refused content or a failed write comes
  // back as !ok with the reason and leaves any existing file untouched.
  static WriteResult write(const std::filesystem::path& path, std::span<const Record> records) {
    std::string bytes;
    try {
      bytes = encode(records);
    } catch (const std::exception& refused) {
      return WriteResult{false, refused.what()};
    }
    return writeFileAtomically(path, bytes);
  }

  // Reads the whole file first, so a refused one leaves table and names as they were.
  static FileLoadResult load(const std::filesystem::path& path, Table& table, std::vector<std::string>& names,
                             Platform& platform) {
    BusyPointer busy(platform);
    std::vector<Record> loaded;
    try {
      loaded = read(path);
    } catch (const std::exception& error) {
      if (Format::readError) platform.message(*Format::readError, MessageIcon::Exclamation);
      return FileLoadResult{false, error.what()};
    }
    names.clear();
    for (std::size_t i = 0; i < loaded.size(); ++i) {
      names.push_back(loaded[i].name);
      table.records[i] = std::move(loaded[i]);
    }
    return {};
  }

  static bool store(const std::filesystem::path& path, Table& table, int recordCount, Platform& platform) {
    BusyPointer busy(platform);
    WriteResult written{false, "record count out of range"};
    if (recordCount >= 0 && recordCount <= kMaxDatabaseRecords)
      written = write(path, std::span(table.records).first(static_cast<std::size_t>(recordCount)));
    if (!written) {
      platform.message(Format::writeError, MessageIcon::Exclamation);
      return false;
    }
    table.*Format::changed = false;
    return true;
  }
};

}  // namespace saltmark
