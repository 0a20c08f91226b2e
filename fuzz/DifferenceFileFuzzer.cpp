// A difference database of any bytes: it is read whole or refused with the
// table and the list as they were; what was read is exactly the file's
// leading bytes written back by the writer; and every value text of every
// record goes through the editor's checks and text forms without a crash.
#include "FuzzSupport.h"
#include "common/RuntimeError.h"
#include "data/DifferenceFile.h"
#include "editors/DifferenceValues.h"

using namespace saltmark;

namespace {

DifferenceRecord sentinel() {
  DifferenceRecord record;
  record.name = "Before";
  record.reserved = 7;
  record.diffText[4] = "+0130";
  return record;
}

void checkEditorRules(const DifferenceRecord& record) {
  ScriptedPlatform platform;
  const bool allowed = CheckDifferenceCombination(record.diffText, platform);
  FUZZ_CHECK(allowed == platform.messages.empty());
  for (int i = 0; i < kDifferenceValueCount; ++i) {
    const std::string& text = record.diffText[static_cast<std::size_t>(i)];
    const std::string shown = NormaliseDifferenceText(i, text);
    FUZZ_CHECK(shown.empty() == text.empty());
    FUZZ_CHECK(NormaliseDifferenceText(i, shown) == shown);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::asText(data, size);

  std::vector<DifferenceRecord> decoded;
  const bool ok = fuzz::takenOrRefusedAs([&] {
    decoded = DifferenceFile::decode(bytes);
    FUZZ_CHECK(decoded.size() <= static_cast<std::size_t>(kMaxDatabaseRecords));
    const std::string written = DifferenceFile::encode(decoded);
    FUZZ_CHECK(bytes.substr(0, written.size()) == written);
  }, {errc::kInputPastEnd, errc::kSubscript, errc::kInvalidFormat});

  const std::filesystem::path path = fuzz::writeScratchFile("input.dif", bytes);
  ScriptedPlatform platform;
  static DifferenceTable table;
  for (auto& record : table.records) record = sentinel();
  std::vector<std::string> names{"Before"};
  const FileLoadResult loaded = LoadDifferenceFile(path, table, names, platform);
  FUZZ_CHECK(loaded.ok == ok);
  FUZZ_CHECK(platform.messages.empty());
  FUZZ_CHECK(platform.busyDepth == 0);
  if (!loaded) {
    FUZZ_CHECK(!loaded.reason.empty());
    FUZZ_CHECK(names == std::vector<std::string>{"Before"});
    for (const auto& record : table.records) FUZZ_CHECK(record == sentinel());
    return 0;
  }
  FUZZ_CHECK(names.size() == decoded.size());
  for (std::size_t i = 0; i < table.records.size(); ++i) {
    if (i < decoded.size()) {
      FUZZ_CHECK(table.records[i] == decoded[i]);
      FUZZ_CHECK(names[i] == decoded[i].name);
      checkEditorRules(decoded[i]);
    } else {
      FUZZ_CHECK(table.records[i] == sentinel());
    }
  }
  return 0;
}
