#include "data/StreamFile.h"

#include <exception>

namespace saltmark {

namespace {

using HourlyValues = std::array<std::int16_t, kStreamHours>;

void readHourly(ByteReader& reader, HourlyValues& values) {
  for (std::int16_t& value : values) value = reader.readInt16();
}

void writeHourly(ByteWriter& writer, const HourlyValues& values) {
  for (std::int16_t value : values) writer.writeInt16(value);
}

StreamRecord readStreamRecord(ByteReader& reader) {
  StreamRecord record;
  record.name = reader.readText();
  record.latitudeText = reader.readText();
  record.longitudeText = reader.readText();
  record.referencePort = reader.readInt16();
  record.speedUnits = reader.readInt16();
  readHourly(reader, record.direction);
  readHourly(reader, record.springRate);
  readHourly(reader, record.neapRate);
  return record;
}

void writeStreamRecord(ByteWriter& writer, const StreamRecord& record) {
  writer.writeText(record.name);
  writer.writeText(record.latitudeText);
  writer.writeText(record.longitudeText);
  writer.writeInt16(record.referencePort);
  writer.writeInt16(record.speedUnits);
  writeHourly(writer, record.direction);
  writeHourly(writer, record.springRate);
  writeHourly(writer, record.neapRate);
}

}  // namespace

std::string EncodeStreamRecords(std::span<const StreamRecord> records) {
  return EncodeCountedRecords(records, writeStreamRecord);
}

std::vector<StreamRecord> DecodeStreamRecords(std::string_view bytes) {
  return DecodeCountedRecords<StreamRecord>(bytes, readStreamRecord);
}

std::vector<StreamRecord> ReadStreamFile(const std::filesystem::path& path) {
  return DecodeStreamRecords(readWholeFile(path));
}

WriteResult WriteStreamRecords(const std::filesystem::path& path, std::span<const StreamRecord> records) {
  std::string bytes;
  try {
    bytes = EncodeStreamRecords(records);
  } catch (const std::exception& refused) {
    return WriteResult{false, refused.what()};
  }
  return writeFileAtomically(path, bytes);
}

FileLoadResult LoadStreamFile(const std::filesystem::path& path, StreamTable& table, std::vector<std::string>& names,
                              Platform& platform) {
  BusyPointer busy(platform);
  std::vector<StreamRecord> read;
  try {
    read = ReadStreamFile(path);
  } catch (const std::exception& error) {
    platform.message(kStreamReadError, MessageIcon::Exclamation);
    return FileLoadResult{false, error.what()};
  }
  names.clear();
  for (std::size_t i = 0; i < read.size(); ++i) {
    names.push_back(read[i].name);
    table.records[i] = std::move(read[i]);
  }
  return {};
}

bool WriteStreamFile(const std::filesystem::path& path, StreamTable& table, int recordCount, Platform& platform) {
  BusyPointer busy(platform);
  WriteResult written{false, "record count out of range"};
  if (recordCount >= 0 && recordCount <= kMaxDatabaseRecords)
    written = WriteStreamRecords(path, std::span(table.records).first(static_cast<std::size_t>(recordCount)));
  if (!written) {
    platform.message(kStreamWriteError, MessageIcon::Exclamation);
    return false;
  }
  table.streamDataChanged = false;
  return true;
}

}  // namespace saltmark
