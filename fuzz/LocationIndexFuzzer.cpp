// A location index of any bytes: it is read whole or refused, a refused file
// leaves the index that was loaded before, and what was read is exactly the
// file's leading bytes written back by the writer.
#include "FuzzSupport.h"
#include "common/RuntimeError.h"
#include "data/LocationIndex.h"
#include "data/LocationIndexFile.h"

using namespace saltmark;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::asText(data, size);

  const bool decoded = fuzz::takenOrRefusedAs([&] {
    const LocationIndexContents contents = DecodeLocationIndex(bytes);
    FUZZ_CHECK(contents.databaseNames.size() <= static_cast<std::size_t>(kMaxIndexDatabases));
    FUZZ_CHECK(contents.entries.size() <= static_cast<std::size_t>(kMaxIndexEntries));
    // Compared as bytes, so that positions that are not numbers count too.
    const std::string written = EncodeLocationIndex(contents);
    const bool countNotNegative = size >= 2 && data[1] < 0x80;
    if (countNotNegative) FUZZ_CHECK(bytes.substr(0, written.size()) == written);
    FUZZ_CHECK(EncodeLocationIndex(DecodeLocationIndex(written)) == written);
  }, {errc::kInputPastEnd, errc::kSubscript});

  static const std::filesystem::path good = [] {
    LocationIndexContents before;
    before.databaseNames = {"BEFORE.tid"};
    before.entries.push_back({0, 0, "Before", 0.5, -0.1});
    return fuzz::writeScratchFile("good.ind", EncodeLocationIndex(before));
  }();
  const std::filesystem::path path = fuzz::writeScratchFile("input.ind", bytes);
  ScriptedPlatform platform;
  LocationIndex index;
  FUZZ_CHECK(index.LoadLocationIndexFile(good, platform));
  const bool loaded = index.LoadLocationIndexFile(path, platform);
  FUZZ_CHECK(loaded == decoded);
  if (!loaded) {
    FUZZ_CHECK(index.indexEntryCount() == 1);
    FUZZ_CHECK(index.LocationName(0) == "Before");
    return 0;
  }
  FUZZ_CHECK(index.indexEntryCount() == static_cast<int>(index.entries().size()));
  // Lookups by any number stay inside the index.
  for (int number : {-1, 0, 1, 2499, 2500, 5000, 5001, 32767}) {
    const LocationIndexEntry* entry = index.entry(number);
    FUZZ_CHECK((entry != nullptr) == (number >= 0 && number < index.indexEntryCount()));
    index.databaseName(entry ? entry->databaseNumber : number);
  }
  return 0;
}
