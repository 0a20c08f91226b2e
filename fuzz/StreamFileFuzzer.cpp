// A stream database of any bytes: it is read whole or refused with one
// "File Read Error" and the table and the list as they were; what was read is
// exactly the file's leading bytes written back by the writer; and every
// stored value can be shown by the editor without a crash.
#include "FuzzSupport.h"
#include "common/RuntimeError.h"
#include "data/StreamFile.h"
#include "editors/StreamValues.h"

using namespace saltmark;

namespace {

StreamRecord sentinel() {
  StreamRecord record;
  record.name = "Before";
  record.direction[0] = 123;
  record.neapRate[12] = -5;
  return record;
}

void checkShownValues(const StreamRecord& record) {
  for (int j = 0; j < kStreamHours; ++j) {
    const auto i = static_cast<std::size_t>(j);
    const std::string direction = FormatStreamDirection(record.direction[i]);
    FUZZ_CHECK(direction.size() >= 3);
    FormatStreamRate(record.springRate[i]);
    FormatStreamRate(record.neapRate[i]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::asText(data, size);

  std::vector<StreamRecord> decoded;
  const bool ok = fuzz::takenOrRefusedAs([&] {
    decoded = StreamFile::decode(bytes);
    FUZZ_CHECK(decoded.size() <= static_cast<std::size_t>(kMaxDatabaseRecords));
    const std::string written = StreamFile::encode(decoded);
    FUZZ_CHECK(bytes.substr(0, written.size()) == written);
  }, {errc::kInputPastEnd, errc::kSubscript, errc::kInvalidFormat});

  const std::filesystem::path path = fuzz::writeScratchFile("input.vel", bytes);
  ScriptedPlatform platform;
  static StreamTable table;
  for (auto& record : table.records) record = sentinel();
  std::vector<std::string> names{"Before"};
  const FileLoadResult loaded = LoadStreamFile(path, table, names, platform);
  FUZZ_CHECK(loaded.ok == ok);
  FUZZ_CHECK(platform.busyDepth == 0);
  if (!loaded) {
    FUZZ_CHECK(platform.messageTexts() == std::vector<std::string>{std::string(kStreamReadError)});
    FUZZ_CHECK(names == std::vector<std::string>{"Before"});
    for (const auto& record : table.records) FUZZ_CHECK(record == sentinel());
    return 0;
  }
  FUZZ_CHECK(platform.messages.empty());
  FUZZ_CHECK(names.size() == decoded.size());
  for (std::size_t i = 0; i < table.records.size(); ++i) {
    if (i < decoded.size()) {
      FUZZ_CHECK(table.records[i] == decoded[i]);
      FUZZ_CHECK(names[i] == decoded[i].name);
      checkShownValues(decoded[i]);
    } else {
      FUZZ_CHECK(table.records[i] == sentinel());
    }
  }
  return 0;
}
