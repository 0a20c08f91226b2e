// Random valid records written and read back are the same, field by field
// and byte by byte, for the difference and stream databases: a few hundred
// seeded cases each in memory, and some through the files and the table.
#include <gtest/gtest.h>

#include "data/DifferenceFile.h"
#include "data/StreamFile.h"
#include "support/RoundTrip.h"

namespace saltmark {
namespace {

constexpr int kCases = 300;
constexpr int kFileCases = 20;

// The first case is a full database, the rest up to 20 records.
int mostRecords(int i) { return i == 0 ? kMaxDatabaseRecords : 20; }

TEST(RoundTripProperty, DifferenceRecords) {
  test::ExpectEncodingsRoundTrip(
      11, kCases, [](test::RandomRecords& random, int i) { return random.differenceRecords(mostRecords(i)); },
      EncodeDifferenceRecords, DecodeDifferenceRecords);
}

TEST(RoundTripProperty, StreamRecords) {
  test::ExpectEncodingsRoundTrip(
      13, kCases, [](test::RandomRecords& random, int i) { return random.streamRecords(mostRecords(i)); },
      EncodeStreamRecords, DecodeStreamRecords);
}

// Records put in the editor's table, written by the editor's writer and
// loaded back into another table, with the names for its list.
template <typename Table, typename Make, typename Write, typename Load>
void expectFilesThroughTheTable(std::uint32_t seed, const char* fileName, Make make, Write write, Load load) {
  test::ForEachFileRoundTrip(seed, kFileCases, [&](auto& random, auto& dir, auto& platform, int) {
    const auto written = make(random);
    Table table;
    std::copy(written.begin(), written.end(), table.records.begin());
    ASSERT_TRUE(write(dir / fileName, table, static_cast<int>(written.size()), platform));
    Table reloaded;
    std::vector<std::string> names;
    ASSERT_TRUE(load(dir / fileName, reloaded, names, platform));
    ASSERT_EQ(names.size(), written.size());
    for (std::size_t r = 0; r < written.size(); ++r) {
      ASSERT_EQ(reloaded.records[r], written[r]);
      ASSERT_EQ(names[r], written[r].name);
    }
  });
}

TEST(RoundTripProperty, DifferenceFilesThroughTheTable) {
  expectFilesThroughTheTable<DifferenceTable>(
      12, "MINE.dif", [](test::RandomRecords& random) { return random.differenceRecords(); }, WriteDifferenceFile,
      LoadDifferenceFile);
}

TEST(RoundTripProperty, StreamFilesThroughTheTable) {
  expectFilesThroughTheTable<StreamTable>(
      14, "MINE.vel", [](test::RandomRecords& random) { return random.streamRecords(); }, WriteStreamFile,
      LoadStreamFile);
}

}  // namespace
}  // namespace saltmark
