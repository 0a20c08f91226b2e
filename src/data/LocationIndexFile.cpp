#include "data/LocationIndexFile.h"

#include <stdexcept>

#include "common/ByteIO.h"
#include "common/RuntimeError.h"

namespace saltmark {

namespace {

void writeCheckedText(ByteWriter& writer, std::string_view text) {
  if (text.size() > 0xFFFF) throw std::invalid_argument("a text of the location index is longer than 65535 characters");
  writer.writeText(text);
}

}  // namespace

std::string EncodeLocationIndex(const LocationIndexContents& contents) {
  if (contents.databaseNames.size() > static_cast<std::size_t>(kMaxIndexDatabases))
    throw std::invalid_argument("the location index names at most 15 databases");
  if (contents.entries.size() > static_cast<std::size_t>(kMaxIndexEntries))
    throw std::invalid_argument("the location index holds at most 5001 locations");
  ByteWriter writer;
  writer.writeInt16(static_cast<std::int16_t>(contents.databaseNames.size()));
  for (const auto& name : contents.databaseNames) writeCheckedText(writer, name);
  for (const auto& entry : contents.entries) {
    writer.writeInt16(entry.databaseNumber);
    writer.writeInt16(entry.locationNumber);
    writeCheckedText(writer, entry.LocationName);
    writer.writeDouble(entry.latitude);
    writer.writeDouble(entry.longitude);
  }
  return writer.bytes();
}

WriteResult WriteLocationIndexFile(const std::filesystem::path& path, const LocationIndexContents& contents) {
  std::string bytes;
  try {
    bytes = EncodeLocationIndex(contents);
  } catch (const std::invalid_argument& refused) {
    return WriteResult{false, refused.what()};
  }
  return writeFileAtomically(path, bytes);
}

LocationIndexContents DecodeLocationIndex(std::string_view bytes, const std::function<void()>& eachRecord) {
  LocationIndexContents contents;
  ByteReader reader(bytes);
  const std::int16_t databaseCount = reader.readInt16();
  for (int i = 0; i < databaseCount; ++i) {
    if (eachRecord) eachRecord();
    if (i >= kMaxIndexDatabases) throw RuntimeError(errc::kSubscript);
    contents.databaseNames.push_back(reader.readText());
  }
  while (!reader.atEnd()) {
    if (eachRecord) eachRecord();
    LocationIndexEntry entry;
    try {
      entry.databaseNumber = reader.readInt16();
      entry.locationNumber = reader.readInt16();
      entry.LocationName = reader.readText();
      entry.latitude = reader.readDouble();
      entry.longitude = reader.readDouble();
    } catch (const RuntimeError& error) {
      if (error.code() != errc::kInputPastEnd) throw;
      break;  // the incomplete last entry is not counted
    }
    if (contents.entries.size() >= static_cast<std::size_t>(kMaxIndexEntries))
      throw RuntimeError(errc::kSubscript);
    contents.entries.push_back(std::move(entry));
  }
  return contents;
}

LocationIndexContents ReadLocationIndexFile(const std::filesystem::path& path,
                                            const std::function<void()>& eachRecord) {
  return DecodeLocationIndex(readWholeFile(path), eachRecord);
}

}  // namespace saltmark
