#pragma once
// What the difference (".dif") and stream (".vel") databases share: a signed
// 16-bit record count N (0..257) and then N packed records, read one after
// another because their texts make their lengths vary. A reader refuses the
// whole file when the count is out of range or the records end before the
// count is reached, so a damaged file never half-replaces a loaded table.
// Bytes after the last counted record are ignored.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/ByteIO.h"
#include "common/RuntimeError.h"

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

}  // namespace saltmark
