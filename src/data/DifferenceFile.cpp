#include "data/DifferenceFile.h"

#include <exception>

namespace saltmark {

namespace {

DifferenceRecord readDifferenceRecord(ByteReader& reader) {
  DifferenceRecord record;
  record.name = reader.readText();
  record.latitudeText = reader.readText();
  record.longitudeText = reader.readText();
  record.referencePort = reader.readInt16();
  record.reserved = reader.readInt16();
  for (std::string& text : record.diffText) text = reader.readText();
  return record;
}

void writeDifferenceRecord(ByteWriter& writer, const DifferenceRecord& record) {
  writer.writeText(record.name);
  writer.writeText(record.latitudeText);
  writer.writeText(record.longitudeText);
  writer.writeInt16(record.referencePort);
  writer.writeInt16(record.reserved);
  for (const std::string& text : record.diffText) writer.writeText(text);
}

}  // namespace

std::string EncodeDifferenceRecords(std::span<const DifferenceRecord> records) {
  return EncodeCountedRecords(records, writeDifferenceRecord);
}

std::vector<DifferenceRecord> DecodeDifferenceRecords(std::string_view bytes) {
  return DecodeCountedRecords<DifferenceRecord>(bytes, readDifferenceRecord);
}

std::vector<DifferenceRecord> ReadDifferenceFile(const std::filesystem::path& path) {
  return DecodeDifferenceRecords(readWholeFile(path));
}

WriteResult WriteDifferenceRecords(const std::filesystem::path& path, std::span<const DifferenceRecord> records) {
  std::string bytes;
  try {
    bytes = EncodeDifferenceRecords(records);
  } catch (const std::exception& refused) {
    return WriteResult{false, refused.what()};
  }
  return writeFileAtomically(path, bytes);
}

FileLoadResult LoadDifferenceFile(const std::filesystem::path& path, DifferenceTable& table,
                                  std::vector<std::string>& names, Platform& platform) {
  BusyPointer busy(platform);
  std::vector<DifferenceRecord> read;
  try {
    read = ReadDifferenceFile(path);
  } catch (const std::exception& error) {
    return FileLoadResult{false, error.what()};
  }
  names.clear();
  for (std::size_t i = 0; i < read.size(); ++i) {
    names.push_back(read[i].name);
    table.records[i] = std::move(read[i]);
  }
  return {};
}

bool WriteDifferenceFile(const std::filesystem::path& path, DifferenceTable& table, int recordCount,
                         Platform& platform) {
  BusyPointer busy(platform);
  WriteResult written{false, "record count out of range"};
  if (recordCount >= 0 && recordCount <= kMaxDatabaseRecords)
    written = WriteDifferenceRecords(path, std::span(table.records).first(static_cast<std::size_t>(recordCount)));
  if (!written) {
    platform.message(kDifferenceWriteError, MessageIcon::Exclamation);
    return false;
  }
  table.differenceDataChanged = false;
  return true;
}

}  // namespace saltmark
