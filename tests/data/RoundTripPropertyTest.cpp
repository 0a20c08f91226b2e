// Random valid contents encoded and decoded are the same, field by field
// and byte by byte: a few hundred seeded cases of every file format.
#include <gtest/gtest.h>

#include "data/ConfigFile.h"
#include "data/DifferenceFile.h"
#include "data/LocationIndexFile.h"
#include "data/StreamFile.h"
#include "data/TideDatabaseFile.h"
#include "support/RandomRecords.h"

namespace saltmark {

bool operator==(const TideDatabaseContents& a, const TideDatabaseContents& b) {
  return a.signature == b.signature && a.headers == b.headers && a.locationLines == b.locationLines;
}

namespace {

// make(random, i) gives the i-th case; the copy read back encodes to the
// same bytes (-0.0 and every bit of the numbers too).
template <typename Make, typename Encode, typename Decode>
void ExpectRoundTrips(std::uint32_t seed, Make make, Encode encode, Decode decode) {
  test::RandomRecords random(seed);
  for (int i = 0; i < 300; ++i) {
    SCOPED_TRACE(i);
    const auto written = make(random, i);
    const std::string bytes = encode(written);
    const auto read = decode(bytes);
    ASSERT_EQ(read, written);
    ASSERT_EQ(encode(read), bytes);
  }
}

TEST(RoundTripProperty, EveryFormatInMemory) {
  ExpectRoundTrips(1, [](test::RandomRecords& random, int) { return random.settings(); }, EncodeSettings,
                   DecodeSettings);
  ExpectRoundTrips(
      3, [](test::RandomRecords& random, int) { return random.tideDatabase(); },
      [](const TideDatabaseContents& db) { return EncodeTideDatabase(db.signature, db.headers, db.locationLines); },
      [](std::string_view bytes) { return DecodeTideDatabase(bytes); });
  ExpectRoundTrips(5, [](test::RandomRecords& random, int) { return random.locationIndex(); }, EncodeLocationIndex,
                   [](std::string_view bytes) { return DecodeLocationIndex(bytes); });
  // The first database is full, the rest up to 20 records.
  auto most = [](int i) { return i == 0 ? kMaxDatabaseRecords : 20; };
  ExpectRoundTrips(11, [&](test::RandomRecords& random, int i) { return random.differenceRecords(most(i)); },
                   DifferenceFile::encode, DifferenceFile::decode);
  ExpectRoundTrips(13, [&](test::RandomRecords& random, int i) { return random.streamRecords(most(i)); },
                   StreamFile::encode, StreamFile::decode);
}

}  // namespace
}  // namespace saltmark
