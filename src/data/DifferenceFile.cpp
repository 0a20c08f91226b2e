#include "data/DifferenceFile.h"

namespace saltmark {

DifferenceRecord DifferenceFileFormat::read(ByteReader& reader) {
  DifferenceRecord record;
  ReadRecordHead(reader, record);
  record.reserved = reader.readInt16();
  for (std::string& text : record.diffText) text = reader.readText();
  return record;
}

void DifferenceFileFormat::write(ByteWriter& writer, const DifferenceRecord& record) {
  WriteRecordHead(writer, record);
  writer.writeInt16(record.reserved);
  for (const std::string& text : record.diffText) writer.writeText(text);
}

FileLoadResult LoadDifferenceFile(const std::filesystem::path& path, DifferenceTable& table,
                                  std::vector<std::string>& names, Platform& platform) {
  return DifferenceFile::load(path, table, names, platform);
}
bool WriteDifferenceFile(const std::filesystem::path& path, DifferenceTable& table, int recordCount,
                         Platform& platform) {
  return DifferenceFile::store(path, table, recordCount, platform);
}

}  // namespace saltmark
