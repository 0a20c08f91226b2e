#include "data/StreamFile.h"

namespace saltmark {

namespace {

using HourlyValues = std::array<std::int16_t, kStreamHours>;

void readHourly(ByteReader& reader, HourlyValues& values) {
  for (std::int16_t& value : values) value = reader.readInt16();
}

void writeHourly(ByteWriter& writer, const HourlyValues& values) {
  for (std::int16_t value : values) writer.writeInt16(value);
}

}  // namespace

StreamRecord StreamFileFormat::read(ByteReader& reader) {
  StreamRecord record;
  ReadRecordHead(reader, record);
  record.speedUnits = reader.readInt16();
  readHourly(reader, record.direction);
  readHourly(reader, record.springRate);
  readHourly(reader, record.neapRate);
  return record;
}

void StreamFileFormat::write(ByteWriter& writer, const StreamRecord& record) {
  WriteRecordHead(writer, record);
  writer.writeInt16(record.speedUnits);
  writeHourly(writer, record.direction);
  writeHourly(writer, record.springRate);
  writeHourly(writer, record.neapRate);
}

FileLoadResult LoadStreamFile(const std::filesystem::path& path, StreamTable& table, std::vector<std::string>& names,
                              Platform& platform) {
  return StreamFile::load(path, table, names, platform);
}
bool WriteStreamFile(const std::filesystem::path& path, StreamTable& table, int recordCount, Platform& platform) {
  return StreamFile::store(path, table, recordCount, platform);
}

}  // namespace saltmark
