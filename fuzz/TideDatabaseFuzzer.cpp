// A tide database file of any bytes: the loader either takes it whole or
// refuses it with one message and keeps what was loaded before; every port
// line it takes can be selected without a crash; and what it took, written
// back by the writer, reads back the same.
#include "FuzzSupport.h"
#include "common/RuntimeError.h"
#include "data/LocationLine.h"
#include "data/Settings.h"
#include "data/TideDatabase.h"
#include "data/TideDatabaseFile.h"

using namespace saltmark;

namespace {

void checkRoundTrip(const TideDatabaseContents& contents) {
  const std::string again = EncodeTideDatabase(contents.signature, contents.headers, contents.locationLines);
  const TideDatabaseContents reread = DecodeTideDatabase(again);
  FUZZ_CHECK(reread.signature == contents.signature);
  FUZZ_CHECK(reread.headers == contents.headers);
  FUZZ_CHECK(reread.locationLines == contents.locationLines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::asText(data, size);

  const bool decoded = fuzz::takenOrRefusedAs([&] {
    const TideDatabaseContents contents = DecodeTideDatabase(bytes);
    FUZZ_CHECK(contents.headers.size() <= static_cast<std::size_t>(kMaxTideHeaders));
    FUZZ_CHECK(contents.locationLines.size() <= static_cast<std::size_t>(kMaxTideLocations));
    checkRoundTrip(contents);
  }, {errc::kBadDatabase, errc::kSubscript});

  // Through the loader, over a database loaded before: a refused file leaves it.
  static const std::string good = [] {
    return fuzz::writeScratchFile("good.tid", EncodeTideDatabase("Saltmark 100", {}, {"Before,0"})).string();
  }();
  const std::string path = fuzz::writeScratchFile("input.tid", bytes).string();
  ScriptedPlatform platform;
  TideDatabase database;
  FUZZ_CHECK(database.LoadTideDatabase(good, platform));
  const bool loaded = database.LoadTideDatabase(path, platform);
  FUZZ_CHECK(loaded == decoded);
  if (!loaded) {
    FUZZ_CHECK(platform.messages.size() == 1);
    FUZZ_CHECK(database.currentDatabase() == good);
    FUZZ_CHECK(database.locationCount() == 1);
    return 0;
  }
  FUZZ_CHECK(platform.messages.empty());

  // Selecting each port: a line that cannot be read leaves record and settings alone.
  Settings settings;
  settings.autoLocalZone = kTrue;
  for (int i = 0; i < database.locationCount() && i < 64; ++i) {
    LocationRecord record;
    record.portName = "unchanged";
    const Settings before = settings;
    platform.clear();
    if (database.ReadLocation(i, record, settings, platform)) {
      FUZZ_CHECK(record == ParseLocationLine(database.locationLines()[static_cast<std::size_t>(i)]));
      FUZZ_CHECK(record.portName == database.LocationListName(i));
    } else {
      FUZZ_CHECK(platform.messages.size() == 1);
      FUZZ_CHECK(record.portName == "unchanged");
      FUZZ_CHECK(settings == before);
    }
  }
  return 0;
}
