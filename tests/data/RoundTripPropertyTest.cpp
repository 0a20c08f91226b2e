// Random valid contents written and read back are the same, field by field
// and byte by byte, for the configuration, the tide database, the location
// index and the difference and stream databases: a few hundred seeded cases
// each in memory, and configurations through the file on disk.
#include <gtest/gtest.h>

#include "data/ConfigFile.h"
#include "data/DifferenceFile.h"
#include "data/LocationIndexFile.h"
#include "data/SettingsLimits.h"
#include "data/StreamFile.h"
#include "data/TideDatabaseFile.h"
#include "support/RoundTrip.h"

namespace saltmark {

// Contents compare field by field (looked up from the round-trip helper).
bool operator==(const TideDatabaseContents& a, const TideDatabaseContents& b) {
  return a.signature == b.signature && a.headers == b.headers && a.locationLines == b.locationLines;
}

namespace {

constexpr int kCases = 300;

TEST(RoundTripProperty, ConfigurationRecords) {
  test::ExpectEncodingsRoundTrip(
      1, kCases, [](test::RandomRecords& random, int) { return random.settings(); }, EncodeSettings, DecodeSettings);
}

TEST(RoundTripProperty, ConfigurationFiles) {
  test::ForEachFileRoundTrip(2, 20, [](auto& random, auto& dir, auto& platform, int) {
    Settings written = random.settings();
    ResetUnusableSettings(written);  // values the load would mend are not round trips
    ASSERT_TRUE(SaveSettings(written, dir.path(), platform));
    Settings read, copy;
    ASSERT_EQ(LoadSettings(read, copy, dir.path(), platform), SettingsSource::File);
    ASSERT_EQ(read, written);  // the version stamped by the save included
    ASSERT_FALSE(SettingsChanged(read, copy));
  });
}

TEST(RoundTripProperty, TideDatabases) {
  test::ExpectEncodingsRoundTrip(
      3, kCases, [](test::RandomRecords& random, int) { return random.tideDatabase(); },
      [](const TideDatabaseContents& db) { return EncodeTideDatabase(db.signature, db.headers, db.locationLines); },
      [](std::string_view bytes) { return DecodeTideDatabase(bytes); });
}

TEST(RoundTripProperty, LocationIndexes) {
  test::ExpectEncodingsRoundTrip(
      5, kCases, [](test::RandomRecords& random, int) { return random.locationIndex(); }, EncodeLocationIndex,
      [](std::string_view bytes) { return DecodeLocationIndex(bytes); });
}

// The first case is a full database, the rest up to 20 records.
TEST(RoundTripProperty, DifferenceAndStreamRecords) {
  auto most = [](int i) { return i == 0 ? kMaxDatabaseRecords : 20; };
  test::ExpectEncodingsRoundTrip(
      11, kCases, [&](test::RandomRecords& random, int i) { return random.differenceRecords(most(i)); },
      DifferenceFile::encode, DifferenceFile::decode);
  test::ExpectEncodingsRoundTrip(
      13, kCases, [&](test::RandomRecords& random, int i) { return random.streamRecords(most(i)); },
      StreamFile::encode, StreamFile::decode);
}

}  // namespace
}  // namespace saltmark
