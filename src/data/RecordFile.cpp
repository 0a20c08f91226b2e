#include "data/RecordFile.h"

#include <stdexcept>

namespace saltmark {
namespace detail {

int ReadRecordCount(ByteReader& reader) {
  if (reader.remaining() < 2)
    throw RuntimeError(errc::kInputPastEnd, reader.atEnd() ? "the file is empty"
                                                           : "the file is too short to hold its record count");
  const int count = reader.readInt16();
  if (count < 0)
    throw RuntimeError(errc::kInvalidFormat, "the record count " + std::to_string(count) + " is not valid");
  if (count > kMaxDatabaseRecords)
    throw RuntimeError(errc::kSubscript, "the file says it holds " + std::to_string(count) +
                                             " records; a database holds at most " +
                                             std::to_string(kMaxDatabaseRecords));
  return count;
}

void ThrowRecordCutShort(int record, int count) {
  throw RuntimeError(errc::kInputPastEnd, "the file ends inside record " + std::to_string(record + 1) + " of " +
                                              std::to_string(count));
}

void WriteRecordCount(ByteWriter& writer, std::size_t count) {
  if (count > static_cast<std::size_t>(kMaxDatabaseRecords))
    throw std::invalid_argument("a database holds at most " + std::to_string(kMaxDatabaseRecords) + " records");
  writer.writeInt16(static_cast<std::int16_t>(count));
}

}  // namespace detail
}  // namespace saltmark
